// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calibration/calibration_point.h"
#include "calibration/presenter/calibration_view.h"
#include "calibration/presenter/edit_history.h"
#include "core/calc_state.h"
#include "present/box_labels.h"
#include "present/view.h"

namespace ostrel {

// The tool window's logic: holds the calibration points, reads typed entries with the
// calculator's reader and separator, and shows the table, the calibrated pressure at the
// calculator's force, the target's force and oil pressure and the plot, all in the calculator's
// selected units and text forms.
class CalibrationPresenter final {
 public:
  // edited runs after every change the user makes to the points (not after SetPoints).
  CalibrationPresenter(CalibrationView& view, std::function<void()> edited);

  // The document's points (open, new): replaces them and shows them, ordered by force. Nothing
  // before them can be undone.
  void SetPoints(std::vector<CalibrationPoint> points);
  // The points as the document keeps them: after any edit, ordered by force.
  const std::vector<CalibrationPoint>& Points() const { return points_; }

  // Follows a refresh of the calculator: its state (force, ram diameter, TEL) and its view (the
  // selected units and the decimal separator).
  void Follow(const CalcState& state, const View& calculator);

  // Typed entries; each returns whether it was taken. A refused entry is reported through
  // CalibrationView::Refuse and changes nothing. Rows are the table's, from 0.
  bool EditCell(int row, CalibrationField field, const std::string& text);
  bool AddPoint(const std::string& force, const std::string& pressure, const std::string& label);
  bool RemoveRows(std::vector<int> rows);
  // An empty text clears the target.
  bool SetTarget(const std::string& text);

  // Every change to the points (edit, add, remove) can be undone and redone; each returns
  // whether there was one to undo or redo.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

  // Everything as last shown.
  const CalibrationScreen& Screen() const { return screen_; }

 private:
  struct Read {
    float value = 0;
    std::string reason;
  };
  // A typed force in the selected unit, in kN.
  Read ReadForce(const std::string& text) const;
  // A typed number that must be greater than zero; `what` names it in the reason.
  Read ReadPositive(const std::string& text, const char* what) const;
  // Before a change to the points: keeps them for Undo.
  void Record();
  void Changed();
  void Render();

  CalibrationView& view_;
  std::function<void()> edited_;
  std::vector<CalibrationPoint> points_;  // the document's order
  std::vector<int> order_;                // table row -> index into points_, by force
  EditHistory history_;
  std::optional<float> target_;  // GPa
  CalcState state_;
  UnitChoice units_;
  std::string separator_ = ".";
  CalibrationScreen screen_;
};

}  // namespace ostrel
