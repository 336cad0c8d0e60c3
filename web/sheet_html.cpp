// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "web/sheet_html.h"
#include "web/markup_text.h"

#include <vector>

#include "calibration/presenter/calibration_presenter.h"
#include "present/results_table.h"
#include "present/sections.h"
#include "web/calibration_panel.h"
#include "web/figure_svg.h"

namespace ostrel::web {
namespace {

// The first three sections on the left, the others on the right, as the desktop's sheet.
constexpr int kLeftColumnSections = 3;

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

// As the desktop's sheet: a rule, the title, the table (a point that breaks the rule marked with
// " *"), the calibrated pressure at the calculator's force or the presenter's status, the plot.
std::string Calibration(const CalcState& state, const View& view,
                        const std::vector<CalibrationPoint>& points) {
  KeptCalibrationScreen copy;
  CalibrationPresenter presenter(copy, {});
  presenter.SetPoints(points);
  presenter.Follow(state, view);
  const CalibrationScreen& s = copy.Screen();
  std::string out = "<div class=\"sheet-calibration\"><h2>Pressure calibration</h2><div>";
  out += "<table><tr><th class=\"value\">" + Escaped(s.force_header) +
         "</th><th class=\"value\">Pressure (GPa)</th><th>Label</th></tr>";
  for (const CalibrationRowTexts& row : s.rows) {
    out += "<tr><td class=\"value\">" + Escaped(row.force) + "</td><td class=\"value\">" +
           Escaped(row.pressure) + "</td><td>" + Escaped(row.label) +
           (row.breaks_rule ? " *" : "") + "</td></tr>";
  }
  out += "</table><p>";
  out += s.status.empty() ? "Calibrated pressure at " + Escaped(s.current_force) + ": " +
                                Escaped(s.current_pressure)
                          : Escaped(s.status);
  out += "</p></div>" + CalibrationPlotSvg(s.plot) + "</div>";
  return out;
}

}  // namespace

std::string SheetHtml(const CalcState& state, const View& view,
                      const std::vector<CalibrationPoint>& calibration, std::string_view title,
                      std::string_view stamp) {
  const std::vector<ResultRow> rows = ResultRows(view);
  std::string out = "<header><h1>" + Escaped(title) + "</h1><div class=\"stamp\">" +
                    Escaped(stamp) + "<br>Ostrel " OSTREL_VERSION "</div></header>";
  out += "<div class=\"sheet-values\">" + Sections(rows, 0, kLeftColumnSections) +
         Sections(rows, kLeftColumnSections, kSectionCount) + "</div>";
  out += "<div class=\"sheet-figures\">" + CellDrawingSvg(state, view) + "</div>";
  if (!calibration.empty()) out += Calibration(state, view, calibration);
  return out;
}

}  // namespace ostrel::web
