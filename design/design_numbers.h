// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <array>
#include <string>

#include "core/calc_state.h"
#include "core/fault.h"
#include "design/design.h"
#include "present/fault_location.h"
#include "present/text_view.h"

namespace ostrel {

// A design's numbers: the 27 texts the window shows right after opening the design on the
// start-up state (store the inputs, select the units, All_Calc, refresh), computed on a copy.
// Every output (the sheet, the copy, the drawing, the command line) is made from these, never
// from the texts in the window's boxes.
//
// Where the sequence faults, an input shows its stored value, a result box the last refresh
// wrote keeps that text and every other result box is empty and not computed.
struct DesignNumbers {
  CalcState state;
  TextView view;  // the texts and selections as the sequence left them
  // The numbers: the view's texts for a whole design; where the sequence faulted, the stored
  // value of each input and only the texts of the result boxes that the last refresh wrote.
  std::array<std::string, kBoxCount> texts{};
  std::array<bool, kBoxCount> computed{};
  Fault fault = Fault::None;
  FaultLocation where;  // where the fault was found; FaultPlace::None without one

  bool Whole() const { return fault == Fault::None; }
  bool Computed(Box box) const { return computed[static_cast<int>(box)]; }
  const std::string& Text(Box box) const { return texts[static_cast<int>(box)]; }
};

// Why the numbers are not whole, for a message or a tooltip: the fault's kind and where it was
// found ("Division by zero. While computing …"), with the user's decimal separator. Empty for
// whole numbers.
std::string WhyNotComputed(const DesignNumbers& numbers);

// Whether a box holds one of the ten stored inputs.
bool IsInputBox(Box box);

// Whether a box showing `shown` is marked as not recalculated: a result whose text is not the
// design's number. The desktop window, the web page and their tests all mark by this.
bool MarkedNotRecalculated(Box box, const std::string& shown, const DesignNumbers& numbers);

// Computes designs' numbers from one run of the load handler, kept as the start-up state, so
// that each design costs one All_Calc and one refresh into a view without widgets.
class DesignCalculator final {
 public:
  // separator: the decimal separator the texts are written with.
  explicit DesignCalculator(std::string separator = ".");

  // Fills `out` (reused, so that a caller computing often allocates nothing).
  void Compute(const Design& design, DesignNumbers& out) const;
  DesignNumbers Compute(const Design& design) const;

 private:
  CalcState startup_state_;
  TextView startup_view_;
};

}  // namespace ostrel
