// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/results_table.h"

#include "present/box_labels.h"

namespace ostrel {

std::vector<ResultRow> ResultRows(const View& view) {
  const UnitChoice units = SelectedUnits(view);
  std::vector<ResultRow> rows;
  rows.reserve(kBoxCount);
  for (const BoxLabel& label : kBoxLabels) {
    rows.push_back(
        {label.box, label.quantity, view.BoxText(label.box), UnitText(label.kind, units)});
  }
  return rows;
}

}  // namespace ostrel
