// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {
namespace {

using S = CalcState;

constexpr FaultSite kPaperHole{&S::PaperHole, {&S::OEL, &S::TEL, &S::GasketWidth}};
constexpr FaultSite kPaperWidth{&S::PaperWidth, {&S::CubeSize}};
constexpr FaultSite kModifiedThickness{&S::ModifiedGasketThickness,
                                       {&S::GasketThickness, &S::TapeThickness}};

}  // namespace

Fault PaperCalc(CalcState& s) {
  FaultSite unused;
  return PaperCalc(s, unused);
}

Fault PaperCalc(CalcState& s, FaultSite& where) {
  fp::Clear();
  // Computed afresh from the inputs, not read from OuterShortEdge, so it follows OEL and TEL even
  // when the gasket section has not been recalculated.
  s.PaperHole = static_cast<float>(((2 * double{s.TEL}) + s.OEL) / 3 + (2 * double{s.GasketWidth}));
  OSTREL_CHECK_AT(where, kPaperHole);
  s.PaperWidth = static_cast<float>(2 * double{s.CubeSize});
  OSTREL_CHECK_AT(where, kPaperWidth);
  s.ModifiedGasketThickness = static_cast<float>(double{s.GasketThickness} - s.TapeThickness);
  OSTREL_CHECK_AT(where, kModifiedThickness);
  return Fault::None;
}

}  // namespace ostrel
