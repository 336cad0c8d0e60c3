// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/headless_calculator.h"
#include "design/design.h"
#include "present/view.h"

// What --print and --batch write: the 27 quantities of a design, each either the text its box
// shows (with "." as the decimal separator whatever the locale, so that scripts read it the same
// everywhere) or, with --exact, its stored float in internal units as the shortest decimal that
// reads back as the same float.
namespace ostrel::cli {

enum class Format { Text, Csv, Json };

// "text", "csv", "json".
std::optional<Format> ParseFormat(std::string_view name);

enum class Values {
  Display,  // the texts the window shows, in the selected units
  Exact,    // the stored floats, in mm, mm³, degrees, MPa, kN and GPa
};

// One output column: the quantity and its unit.
struct Column {
  const char* quantity;
  std::string unit;
};

// The 27 columns in the window's order, for the given selection or in internal units.
std::array<Column, kBoxCount> Columns(const DesignUnits& units, Values values);

// The value of a box after a design was opened: its text, or its stored float. Nothing for a
// quantity the design did not compute; returns whether it was computed.
bool AppendValue(std::string& out, const HeadlessCalculator& calculator, Box box, Values values);

// The same value in JSON: the text as a string, the stored float (--exact) as a number, null
// where it was not computed.
void AppendJsonValue(std::string& out, const HeadlessCalculator& calculator, Box box,
                     Values values);

// --print: every quantity with its value and unit, in the given format. JSON also carries the
// fault (null without one); text and CSV leave it to the caller's message and exit status.
std::string PrintReport(const HeadlessCalculator& calculator, Fault fault, Format format,
                        Values values);

}  // namespace ostrel::cli
