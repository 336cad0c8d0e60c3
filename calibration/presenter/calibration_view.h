// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <optional>
#include <string>
#include <vector>

// The calibration tool window as the presenter sees it.
//
// Data flow: the document's calibration points and the calculator's state and units ->
// CalibrationPresenter (calibration_presenter.h) works out every text and the plot's lines ->
// CalibrationView::Show, which a passive window (ui/) or a test's fake implements; typed entries
// go the other way, to the presenter, which either changes the points and shows everything
// again or refuses the entry in place.
//
// Pure C++: every text here is final, the window computes nothing.
namespace ostrel {

// One table row as shown: force in the selected force unit, pressure in GPa, the label.
struct CalibrationRowTexts {
  std::string force;
  std::string pressure;
  std::string label;
  bool breaks_rule = false;  // named in the status as breaking a rule of the curve
};

// The entries a user types into.
enum class CalibrationField {
  Force,     // a table row's force, or the new point's
  Pressure,  // a table row's pressure, or the new point's
  Label,     // a table row's label, or the new point's
  Target,    // the target sample pressure
};

// An entry that was not taken, and why. Nothing else changes.
struct CalibrationRefusal {
  int row = -1;  // the table row, -1 for the new point's entries and the target
  CalibrationField field = CalibrationField::Force;
  std::string reason;  // a sentence naming the entry and what is wrong with it
};

// A point of the plot: force in the selected force unit, pressure in GPa.
struct PlotXY {
  double force = 0;
  double pressure = 0;
};

struct CalibrationPlotData {
  std::string force_title;  // "Force (US tons)"
  double force_max = 1;     // the axes start at zero
  double pressure_max = 1;
  std::vector<PlotXY> points;           // every point with a positive force and pressure
  std::vector<std::string> labels;      // one per point
  std::vector<PlotXY> curve;            // through the points; empty without a valid curve
  std::vector<PlotXY> extension_below;  // the first segment extended; may be empty
  std::vector<PlotXY> extension_above;  // the last segment extended; may be empty
  std::vector<PlotXY> theory;           // the theoretical pressure for the current TEL
  std::optional<PlotXY> current;
  std::optional<PlotXY> target;
};

struct CalibrationScreen {
  std::string force_header;  // "Force (US tons)"
  std::string force_unit;    // "US tons"; empty where no force unit is selected
  std::vector<CalibrationRowTexts> rows;
  std::string status;         // what breaks the curve's rules, or that there is no calibration yet
  std::string current_force;  // "1000 US tons"
  std::string current_pressure;  // "7.71 GPa, interpolated", or why there is none
  std::string target_force;      // the force with its unit, or why there is none
  std::string target_oil;        // the oil pressure with its unit, or why there is none
  CalibrationPlotData plot;
  // The plot in words, for whoever cannot see it: the points, the current and the target values.
  std::string plot_text;
};

class CalibrationView {
 public:
  virtual ~CalibrationView() = default;
  virtual void Show(const CalibrationScreen& screen) = 0;
  virtual void Refuse(const CalibrationRefusal& refusal) = 0;
  // What a user who cannot see the change should hear: a point added, a target's result, an
  // edit undone or redone.
  virtual void Announce(const std::string& /*sentence*/) {}
};

// A view without widgets that keeps what the presenter last showed: for what shows a
// calibration with no entries to refuse (the sheets, the browser test's replay).
class KeptCalibrationScreen final : public CalibrationView {
 public:
  void Show(const CalibrationScreen& screen) override { screen_ = screen; }
  void Refuse(const CalibrationRefusal&) override {}
  const CalibrationScreen& Screen() const { return screen_; }

 private:
  CalibrationScreen screen_;
};

}  // namespace ostrel
