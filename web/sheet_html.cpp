// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "web/sheet_html.h"

#include <vector>

#include "present/results_table.h"
#include "present/sections.h"
#include "web/figure_svg.h"

namespace ostrel::web {
namespace {

// The first three sections on the left, the others on the right, as the desktop's sheet.
constexpr int kLeftColumnSections = 3;

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Sections(const std::vector<ResultRow>& rows, int first, int last) {
  std::string out = "<div class=\"sheet-column\">";
  for (int i = first; i < last; ++i) {
    const Section& section = kSections[i];
    out += "<table><caption>" + Escaped(section.caption) + "</caption>";
    for (int b = 0; b < section.box_count; ++b) {
      for (const ResultRow& row : rows) {
        if (row.box != section.boxes[b]) continue;
        out += "<tr><td>" + Escaped(row.quantity) + "</td><td class=\"value\">" +
               Escaped(row.text) + "</td><td>" + Escaped(row.unit) + "</td></tr>";
      }
    }
    out += "</table>";
  }
  return out + "</div>";
}

}  // namespace

std::string SheetHtml(const CalcState& state, const View& view, std::string_view title,
                      std::string_view stamp) {
  const std::vector<ResultRow> rows = ResultRows(view);
  std::string out = "<header><h1>" + Escaped(title) + "</h1><div class=\"stamp\">" +
                    Escaped(stamp) + "<br>Ostrel " OSTREL_VERSION "</div></header>";
  out += "<div class=\"sheet-values\">" + Sections(rows, 0, kLeftColumnSections) +
         Sections(rows, kLeftColumnSections, kSectionCount) + "</div>";
  out += "<div class=\"sheet-figures\">" + CellDrawingSvg(state, view) + "</div>";
  return out;
}

}  // namespace ostrel::web
