// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>
#include <vector>

#include "present/view.h"

namespace ostrel {

// One box as a table row: what it measures, the text it shows and the unit of that text.
struct ResultRow {
  Box box;
  std::string quantity;  // "Octahedron edge length"
  std::string text;      // exactly as the box shows it
  std::string unit;      // "mm", "in³", "GPa", ...; empty where its group has no selection
};

// Every box in write order, as the view shows it now: what Copy Results, the design sheet and
// the command line print.
std::vector<ResultRow> ResultRows(const View& view);

}  // namespace ostrel
