// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/calc_state.h"
#include "core/fault.h"
#include "design/design.h"
#include "design/design_numbers.h"
#include "present/handlers.h"
#include "present/view.h"

// The page's calculator: the second View of the presenters, beside the desktop window.
//
// Data flow: the page's script copies the 27 boxes' texts in (SetText) -> a handler runs here,
// in WebAssembly, reading and writing the texts and selections through View -> the script copies
// the texts, the selections and the boxes' descriptions back out and shows a fault's report. The
// script only moves texts: every number is read, computed and written here.
namespace ostrel::web {

// What one user action left to report: nothing (kind empty), or the report's texts and the box
// that gets the focus afterwards (-1 for none).
struct Report {
  std::string kind;
  std::string informative;
  int focus = -1;
};

class WebCalculator final : public View {
 public:
  // Runs the load handler, as the desktop window does when it opens.
  explicit WebCalculator(std::string separator);
  WebCalculator(const WebCalculator&) = delete;
  WebCalculator& operator=(const WebCalculator&) = delete;

  // View: the texts and selections as the page last copied them in, or as a handler left them.
  std::string BoxText(Box box) const override { return texts_[static_cast<int>(box)]; }
  // A handler's write: the box then holds no pending value.
  void SetBoxText(Box box, const std::string& text) override {
    texts_[static_cast<int>(box)] = text;
    written_[static_cast<int>(box)] = text;
  }
  // The user's typing, as the page's script copies it in.
  void Type(Box box, const std::string& text) { texts_[static_cast<int>(box)] = text; }
  bool IsSelected(Group group, int index) const override {
    return selected_[static_cast<int>(group)] == index;
  }
  void SelectOption(Group group, int index) override;
  Fault SelectOptionForResult(Group group, int index) override;
  std::string DecimalSeparator() const override { return separator_; }

  // The user's actions, each one handler run whose first fault is reported once.
  Report Load();  // also File > New
  Report Click(const std::string& name, int index);
  Report Choose(Group group, int index);  // a click on an option
  // File > Open: the design's open sequence on the calculator, as the desktop runs it.
  Report Open(const Design& design);
  // Edit > Calculate All: All_Calc on the stored inputs, then the refresh, as Open ends.
  Report CalculateAll();

  // The design's numbers after the last action (design/design_numbers.h): what Copy Results, the
  // sheet and the drawing show. After Load, Open and Calculate All of a design that cannot be
  // computed whole, the boxes show them too: no other design's results beside its inputs.
  const DesignNumbers& Numbers() const { return numbers_; }
  // The report of a design that cannot be computed whole, for the outputs it refuses.
  Report DesignFault() const;

  // A result box whose text differs from the design's numbers is marked as not recalculated.
  bool Marked(Box box) const;
  // The box's tooltip and accessible description, as the desktop's: what it shows in the selected
  // units, and for a result box why it is empty (not computed) or which button recalculates it.
  std::string Description(Box box) const;

  // An input box whose text differs from what the last refresh wrote holds a pending value.
  bool HasPending() const;
  // Before Save, Copy Results and Print, as on the desktop: each section with a pending value
  // runs its Calc button once, in section order; the first fault stops it and is returned.
  Report ApplyPending();

  int Selected(Group group) const { return selected_[static_cast<int>(group)]; }
  const CalcState& State() const { return state_; }

 private:
  // whole: the action was a sequence ending in All_Calc and the refresh (Load, Open, Calculate
  // All), whose fault the design's numbers locate.
  Report Finish(Fault fault, bool whole = false);
  Report Describe(Fault fault, const FaultLocation& where) const;

  std::string separator_;
  CalcState state_;
  Handlers handlers_{state_, *this};
  std::array<std::string, kBoxCount> texts_{};
  std::array<std::string, kBoxCount> written_{};  // what handlers last wrote into each box
  std::array<int, 3> selected_{0, 0, 0};
  DesignCalculator design_calculator_{separator_};
  DesignNumbers numbers_;
  // While set, a handler's fault is kept here (the first one only) instead of being reported.
  Fault* captured_ = nullptr;
};

}  // namespace ostrel::web
