// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "calibration/calibration_point.h"

namespace ostrel {

// The calibration edits that can be undone and redone, as the whole point list before each: a
// list holds at most a thousand short points, and a copy cannot get out of step with the edit
// the way a recorded inverse could.
class EditHistory final {
 public:
  using Points = std::vector<CalibrationPoint>;

  // Before an edit: what it changes. A new edit forgets what was undone.
  void Record(Points before) {
    if (undo_.size() == kDepth) undo_.erase(undo_.begin());
    undo_.push_back(std::move(before));
    redo_.clear();
  }
  // A new document: nothing to undo or redo.
  void Clear() {
    undo_.clear();
    redo_.clear();
  }
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }

  // Swaps `points` with the list before the last edit (Undo) or after the last undone one
  // (Redo); false, and `points` as it was, when there is none.
  bool Undo(Points& points) { return Step(undo_, redo_, points); }
  bool Redo(Points& points) { return Step(redo_, undo_, points); }

 private:
  static constexpr std::size_t kDepth = 100;

  static bool Step(std::vector<Points>& from, std::vector<Points>& to, Points& points) {
    if (from.empty()) return false;
    to.push_back(std::move(points));
    points = std::move(from.back());
    from.pop_back();
    return true;
  }

  std::vector<Points> undo_;
  std::vector<Points> redo_;
};

}  // namespace ostrel
