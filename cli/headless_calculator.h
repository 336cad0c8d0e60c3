// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "core/calc_state.h"
#include "core/fault.h"
#include "design/design.h"
#include "design/design_numbers.h"
#include "present/text_view.h"

// The command line's calculator.
//
// Data flow: a design (from a design file or a CSV row) -> HeadlessCalculator::Open, which
// computes the design's numbers (design/design_numbers.h: what the window shows right after
// opening it) -> ResultRows (present/results_table.h) or the stored floats -> an output format
// (output_format.h).
//
// Pure C++: no Qt.
namespace ostrel::cli {

class HeadlessCalculator final {
 public:
  HeadlessCalculator() = default;
  HeadlessCalculator(const HeadlessCalculator&) = delete;
  HeadlessCalculator& operator=(const HeadlessCalculator&) = delete;

  // The design's numbers, with "." as the separator. Returns the first fault, as the window
  // reports it; State() and View() are then as the sequence left them, and a quantity it did not
  // compute has no value in the outputs (Numbers().Computed).
  //
  // Each call starts from a copy of the state and texts the load handler left, instead of
  // running the load handler again. That is exact, not an approximation: the load handler reads
  // nothing from outside (no input, no locale: the separator is fixed), so every run of it
  // stores the same floats, selects the same options and writes the same texts.
  Fault Open(const Design& design);

  const DesignNumbers& Numbers() const { return numbers_; }
  const CalcState& State() const { return numbers_.state; }
  const TextView& View() const { return numbers_.view; }

 private:
  DesignCalculator calculator_{"."};
  DesignNumbers numbers_;
};

}  // namespace ostrel::cli
