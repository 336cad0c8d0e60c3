// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "design/design_numbers.h"

#include <cstring>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "design/open_design.h"
#include "present/handlers.h"

namespace ostrel {
namespace {

using B = Box;

// The whole sequence on a fresh state, as the window runs it: the load handler, then Open.
struct Sequence {
  CalcState s;
  TextView v{"."};
  Handlers h{s, v};
  Fault fault;
  explicit Sequence(const Design& design) {
    v.Attach(&h);
    EXPECT_EQ(h.Form_Load(), Fault::None);
    fault = OpenDesign(design, s, v);
  }
};

struct Case {
  const char* name;
  int input;  // kDesignInputs index changed, -1 for none
  float value;
  DesignUnits units;
  Fault fault;
  std::set<Box> not_computed;
  // Inputs the last refresh did not reach, shown from their stored values.
  std::map<Box, std::string> stored_texts;
};

const std::set<Box> kAllResults = {B::txtGasketThickness,
                                   B::txtInnerShortEdge,
                                   B::txtInnerLongEdge,
                                   B::txtOctahedronVolume,
                                   B::txtHoleLength,
                                   B::txtOctahedronWaist,
                                   B::txtOuterShortEdge,
                                   B::txtOuterLongEdge,
                                   B::txtGasketVolume,
                                   B::txtHoleVolume,
                                   B::txtSpreadAngle,
                                   B::txtRakeAngle,
                                   B::txtPaperHole,
                                   B::txtPaperWidth,
                                   B::txtModifiedGasketThickness,
                                   B::txtForce,
                                   B::txtTheoreticalPressure};

class NumbersOfADesign : public testing::TestWithParam<Case> {};

TEST_P(NumbersOfADesign, WhatTheLastRefreshWroteAndNothingElse) {
  const Case& c = GetParam();
  Design design = StartupDesign();
  design.units = c.units;
  if (c.input >= 0) design.inputs[c.input] = c.value;
  const Sequence sequence(design);
  const DesignNumbers n = DesignCalculator(".").Compute(design);

  EXPECT_EQ(n.fault, c.fault);
  EXPECT_EQ(sequence.fault, c.fault);
  EXPECT_EQ(n.Whole(), c.fault == Fault::None);
  EXPECT_EQ(WhyNotComputed(n).empty(), c.fault == Fault::None);
  EXPECT_EQ(std::memcmp(&n.state, &sequence.s, sizeof(CalcState)), 0);
  EXPECT_EQ(n.view.Texts(), sequence.v.Texts());
  for (int i = 0; i < kBoxCount; ++i) {
    const Box box = static_cast<Box>(i);
    const bool computed = c.not_computed.count(box) == 0;
    EXPECT_EQ(n.Computed(box), computed) << i;
    if (!computed) {
      EXPECT_EQ(n.Text(box), "") << i;
    } else if (const auto stored = c.stored_texts.find(box); stored != c.stored_texts.end()) {
      EXPECT_EQ(n.Text(box), stored->second) << i;
    } else {
      EXPECT_EQ(n.Text(box), sequence.v.Text(box)) << i;
    }
  }
}

std::set<Box> From(Box first) {
  std::set<Box> boxes;
  for (Box b : kAllResults) {
    if (b >= first) boxes.insert(b);
  }
  return boxes;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, NumbersOfADesign,
    testing::Values(
        Case{"StartUp", -1, 0, {}, Fault::None, {}, {}},
        Case{"InchesBarsKn", 0, 20, {1, 1, 0}, Fault::None, {}, {}},
        // The refresh's pressure step divides by TEL: everything but the theoretical pressure.
        Case{"TelZero", 1, 0, {}, Fault::DivisionByZero, {B::txtTheoreticalPressure}, {}},
        // All_Calc overflows: no result at all, the inputs as stored.
        Case{"OverflowInAllCalc",
             0,
             3e38f,
             {},
             Fault::Overflow,
             kAllResults,
             {{B::txtOEL, "3E+38"}, {B::txtRamDiameter, "431.8"}, {B::txtOilPressure, "1000"}}},
        // The hole volume's box cannot show it: the refresh stops there; the press inputs after
        // it show their stored values.
        Case{"HoleTooLargeToShow",
             3,
             1e5f,
             {},
             Fault::Overflow,
             From(B::txtHoleVolume),
             {{B::txtRamDiameter, "431.8"}, {B::txtOilPressure, "1000"}}},
        // The length selection's refresh faults before All_Calc: no result at all; a ram the
        // box cannot show in inches has no text either, and the oil pressure is still in psi,
        // since its selection never ran.
        Case{"UnitHandlerFaults",
             8,
             1e9f,
             {1, 1, 0},
             Fault::Overflow,
             kAllResults,
             {{B::txtRamDiameter, ""}, {B::txtOilPressure, "1000"}}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel
