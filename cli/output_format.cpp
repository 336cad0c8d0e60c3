// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/output_format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "cli/box_fields.h"
#include "cli/text_escape.h"
#include "design/exact_text.h"
#include "present/box_labels.h"
#include "present/results_table.h"

namespace ostrel::cli {

namespace {

// The internal units are the first option of each group.
constexpr UnitChoice kInternalUnits{0, 0, 0};

// Characters, not bytes: the padding of the text format.
std::size_t Utf8Length(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
  }));
}

}  // namespace

std::optional<Format> ParseFormat(std::string_view name) {
  if (name == "text") return Format::Text;
  if (name == "csv") return Format::Csv;
  if (name == "json") return Format::Json;
  return std::nullopt;
}

std::array<Column, kBoxCount> Columns(const DesignUnits& units, Values values) {
  const UnitChoice choice = values == Values::Exact
                                ? kInternalUnits
                                : UnitChoice{units.length, units.oil_pressure, units.force};
  std::array<Column, kBoxCount> columns{};
  for (int i = 0; i < kBoxCount; ++i) {
    columns[i] = {kBoxLabels[i].quantity, UnitText(kBoxLabels[i].kind, choice)};
  }
  return columns;
}

bool AppendValue(std::string& out, const HeadlessCalculator& calculator, Box box, Values values) {
  const DesignNumbers& numbers = calculator.Numbers();
  if (!numbers.Computed(box)) return false;
  if (values == Values::Exact) {
    out.append(ExactText(calculator.State().*kBoxFields[static_cast<int>(box)].field));
  } else {
    out.append(numbers.Text(box));
  }
  return true;
}

void AppendJsonValue(std::string& out, const HeadlessCalculator& calculator, Box box,
                     Values values) {
  std::string value;
  if (!AppendValue(value, calculator, box, values)) {
    out += "null";
  } else if (values == Values::Exact) {
    // The shortest decimal is a JSON number; a stored infinity or NaN has none.
    const float stored = calculator.State().*kBoxFields[static_cast<int>(box)].field;
    out += std::isfinite(stored) ? value : std::string("null");
  } else {
    AppendJsonString(out, value);
  }
}

std::string PrintReport(const HeadlessCalculator& calculator, Fault fault, Format format,
                        Values values) {
  // The units the boxes are shown in are the view's selections, as in the window's descriptions.
  std::vector<ResultRow> rows = ResultRows(calculator.View());
  std::array<bool, kBoxCount> computed{};
  for (ResultRow& row : rows) {
    row.text.clear();
    computed[static_cast<int>(row.box)] = AppendValue(row.text, calculator, row.box, values);
    if (values == Values::Exact) row.unit = UnitText(LabelOf(row.box).kind, kInternalUnits);
  }

  std::string out;
  switch (format) {
    case Format::Text: {
      std::size_t width = 0;
      for (const ResultRow& row : rows) width = std::max(width, Utf8Length(row.quantity));
      for (const ResultRow& row : rows) {
        out += row.quantity;
        // A quantity not computed: nothing after its name.
        if (computed[static_cast<int>(row.box)]) {
          out.append(width - Utf8Length(row.quantity) + 2, ' ');
          out += row.text;
          if (!row.unit.empty()) out += ' ' + row.unit;
        }
        out += '\n';
      }
      break;
    }
    case Format::Csv:
      out += "quantity,value,unit\n";
      for (const ResultRow& row : rows) {
        AppendCsvField(out, row.quantity);
        out += ',';
        AppendCsvField(out, row.text);
        out += ',';
        AppendCsvField(out, row.unit);
        out += "\n";
      }
      break;
    case Format::Json:
      out += "{\n  \"fault\": ";
      if (fault == Fault::None) {
        out += "null";
      } else {
        AppendJsonString(out, FaultText(fault));
      }
      out += ",\n  \"quantities\": [\n";
      for (std::size_t i = 0; i < rows.size(); ++i) {
        out += "    {\"quantity\": ";
        AppendJsonString(out, rows[i].quantity);
        out += ", \"value\": ";
        AppendJsonValue(out, calculator, rows[i].box, values);
        out += ", \"unit\": ";
        AppendJsonString(out, rows[i].unit);
        out += i + 1 < rows.size() ? "},\n" : "}\n";
      }
      out += "  ]\n}\n";
      break;
  }
  return out;
}

}  // namespace ostrel::cli
