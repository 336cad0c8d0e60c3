// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "core/calc_state.h"
#include "core/fault.h"
#include "design/design.h"
#include "present/handlers.h"
#include "present/text_view.h"

// The command line's calculator.
//
// Data flow: a design (from a design file or a CSV row) -> HeadlessCalculator::Open, which runs
// what `ostrel FILE` runs in the window (the load handler, then OpenDesign with the file's design)
// on a CalcState and a TextView -> ResultRows (present/results_table.h) or the stored floats ->
// an output format (output_format.h).
//
// Pure C++: no Qt.
namespace ostrel::cli {

class HeadlessCalculator final {
 public:
  // Runs the load handler once and keeps the state and the texts it leaves.
  HeadlessCalculator();
  HeadlessCalculator(const HeadlessCalculator&) = delete;
  HeadlessCalculator& operator=(const HeadlessCalculator&) = delete;

  // The window's `ostrel FILE`: the start-up state, then the design opened on it. Returns the
  // first fault, as the window reports it; the texts are then those the window shows.
  //
  // Each call starts from a copy of the state and texts the load handler left, instead of
  // running the load handler again. That is exact, not an approximation: the load handler reads
  // nothing from outside (no input, no locale: the separator is fixed), so every run of it
  // stores the same floats, selects the same options and writes the same texts; the copy holds
  // all of them (every CalcState field, the 27 texts, the three selections). The floating-point
  // flags are not part of the copy and need not be: every procedure and every refresh clears them
  // before its first check. Nothing of an earlier design survives, because each Open overwrites
  // the whole copy before OpenDesign runs.
  Fault Open(const Design& design);

  const CalcState& State() const { return state_; }
  const TextView& View() const { return view_; }

 private:
  CalcState startup_state_;
  TextView startup_view_{"."};
  CalcState state_;
  TextView view_{"."};
  Handlers handlers_{state_, view_};
};

}  // namespace ostrel::cli
