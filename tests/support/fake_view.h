// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <array>
#include <cfenv>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/calc_state.h"
#include "core/fault.h"
#include "present/handlers.h"
#include "present/view.h"

// A window without widgets for every test that drives the handlers or the refresh directly (the
// presentation tests, the session fuzzer, the window soak): 27 texts, three option groups that
// behave like the window's (a click on an option that is not selected selects it and runs its
// group's handler; a click on the selected one does nothing), a log of every box read and
// written, the outcome of every handler that a click ran, and the faults reported, in order.
namespace ostrel::test_support {

inline constexpr int kGroupCount = 3;
inline constexpr int kGroupSize[kGroupCount] = {2, 3, 3};
inline constexpr int kNoSelection = -1;

class FakeView final : public View {
 public:
  // Every box starts with initial_text: "" as the window's do, or a marker that shows which
  // boxes a refresh has not written.
  explicit FakeView(std::string separator = ".", const std::string& initial_text = "")
      : separator_(std::move(separator)) {
    texts_.fill(initial_text);
  }

  // The handlers that option clicks run; without them an option click only moves the selection.
  void Attach(Handlers* handlers) { handlers_ = handlers; }

  // Flags raised here on every call, as toolkit code may leave them; the calculation must clear
  // them after each call out to the window instead of taking them for its own faults.
  void SetNoisyFlags(int flags) { noisy_flags_ = flags; }

  std::string BoxText(Box box) const override {
    Noise();
    reads_.push_back(box);
    return texts_[Index(box)];
  }
  void SetBoxText(Box box, const std::string& text) override {
    Noise();
    writes_.push_back(box);
    texts_[Index(box)] = text;
  }
  bool IsSelected(Group group, int index) const override {
    Noise();
    return selected_[static_cast<int>(group)] == index;
  }
  void SelectOption(Group group, int index) override {
    Noise();
    Click(group, index);
  }
  std::string DecimalSeparator() const override {
    Noise();
    ++separator_asked_;
    return separator_;
  }

  // The user's click on an option, or its selection from code.
  void Click(Group group, int index) {
    const int g = static_cast<int>(group);
    if (index < 0 || index >= kGroupSize[g] || selected_[g] == index) return;
    selected_[g] = index;
    if (!handlers_) return;
    const auto i = static_cast<std::int16_t>(index);
    Fault f = Fault::None;
    switch (group) {
      case Group::optDistanceUnits:
        f = handlers_->optDistanceUnits_Click(i);
        break;
      case Group::optOilPressureUnits:
        f = handlers_->optOilPressureUnits_Click(i);
        break;
      case Group::optForceUnits:
        f = handlers_->optForceUnits_Click(i);
        break;
    }
    nested_.push_back(f);
    Report(f);
  }

  // What the window does with a handler's outcome: a fault is reported once.
  void Report(Fault f) {
    if (f != Fault::None) reports_.push_back(f);
  }

  // Typing: replaces the text and runs nothing.
  void Type(Box box, std::string text) { texts_[Index(box)] = std::move(text); }

  // Moves the selection without running a handler; kNoSelection leaves the group without one,
  // which the window itself never does.
  void Select(Group group, int index) { selected_[static_cast<int>(group)] = index; }
  void Deselect(Group group) { Select(group, kNoSelection); }
  void SetSeparator(std::string separator) { separator_ = std::move(separator); }

  const std::string& Text(Box box) const { return texts_[Index(box)]; }
  const std::array<std::string, kBoxCount>& Texts() const { return texts_; }
  int Selected(Group group) const { return selected_[static_cast<int>(group)]; }
  const std::string& Separator() const { return separator_; }
  int SeparatorAsked() const { return separator_asked_; }

  const std::vector<Box>& Reads() const { return reads_; }
  const std::vector<Box>& Writes() const { return writes_; }
  // Every handler that an option click ran, in order, Fault::None included.
  const std::vector<Fault>& NestedFaults() const { return nested_; }
  const std::vector<Fault>& Reports() const { return reports_; }
  void ClearLogs() {
    reads_.clear();
    writes_.clear();
    nested_.clear();
    reports_.clear();
  }

 private:
  static int Index(Box box) { return static_cast<int>(box); }
  void Noise() const {
    if (noisy_flags_) std::feraiseexcept(noisy_flags_);
  }

  std::string separator_;
  Handlers* handlers_ = nullptr;
  int noisy_flags_ = 0;
  mutable int separator_asked_ = 0;
  std::array<std::string, kBoxCount> texts_{};
  // The window is created with millimetres, MPa and kN selected.
  std::array<int, kGroupCount> selected_{0, 0, 0};
  mutable std::vector<Box> reads_;
  std::vector<Box> writes_;
  std::vector<Fault> nested_;
  std::vector<Fault> reports_;
};

// The window's state, a fake view and the handlers, wired as the window wires them. The boxes
// start as "old", so that a test sees which ones a refresh left alone.
struct FakeWindow {
  explicit FakeWindow(std::string separator = ".") : view(std::move(separator), "old") {
    view.Attach(&handlers);
  }
  CalcState s;
  FakeView view;
  Handlers handlers{s, view};
};

// The boxes in write order from the first up to last.
inline std::vector<Box> BoxesUpTo(Box last) {
  std::vector<Box> boxes;
  for (int i = 0; i <= static_cast<int>(last); ++i) boxes.push_back(static_cast<Box>(i));
  return boxes;
}

}  // namespace ostrel::test_support
