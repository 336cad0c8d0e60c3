// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "core/calc_state.h"

namespace ostrel {

// A field of CalcState, named by its member pointer.
using Field = float CalcState::*;

// Where a procedure found its fault, as the check that failed knows it: the field its step was
// computing (the one it stores, or the one an intermediate serves), the stored fields that step
// started from, and which of those it divides by. Written only when a check fails, so it never
// changes what a procedure stores or returns.
struct FaultSite {
  static constexpr int kMaxReads = 4;

  Field computing = nullptr;
  Field reads[kMaxReads] = {};
  Field divisor = nullptr;  // one of reads, or nullptr where the step divides by no stored field
};

}  // namespace ostrel
