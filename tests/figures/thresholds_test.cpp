// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// Each drawing flaw and each degenerate figure at its threshold, from both sides: the floats
// next to the threshold, not values far from it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/calc.h"
#include "figures/figures.h"

namespace ostrel::figures {
namespace {

// OEL 14, TEL 8, gasket width 5, hole 5.6: the gap is 2.82842708 mm, the face's inscribed
// circle 8.0829037686547612 mm across, the truncation's 4.6188 mm.
CalcState WorkedDesign() {
  CalcState s;
  StoreStartupDesign(s);
  StoreStartupPress(s);
  EXPECT_EQ(All_Calc(s), Fault::None);
  return s;
}

int Count(const Figure& f, Part part) {
  int n = 0;
  for (const Outline& o : f.outlines) n += o.part == part;
  return n;
}

struct FlawCase {
  const char* name;
  float CalcState::*field;
  float value;
  bool flawed;
  int gaskets;  // gasket outlines in the gap section; -1 for the face view
  const char* flaw = "Hole wider than the face's inscribed circle";  // the face view's flaw
};

class FlawThreshold : public testing::TestWithParam<FlawCase> {};

TEST_P(FlawThreshold, MarkedOnlyPastTheThreshold) {
  const FlawCase& c = GetParam();
  CalcState s = WorkedDesign();
  s.*c.field = c.value;
  const bool face = c.gaskets < 0;
  const Figure f = face ? FaceView(s) : GapSection(s);
  ASSERT_TRUE(f.Drawable()) << f.unavailable;
  ASSERT_EQ(f.flaws.size(), c.flawed ? 1u : 0u);
  if (face) {
    ASSERT_EQ(f.circles.size(), 1u);
    EXPECT_EQ(f.circles[0].flawed, c.flawed);
    if (c.flawed) {
      EXPECT_EQ(f.flaws[0].name, c.flaw);
    }
  } else {
    ASSERT_EQ(Count(f, Part::Tape), 1);
    for (const Outline& o : f.outlines) {
      if (o.part == Part::Tape) {
        EXPECT_EQ(o.flawed, c.flawed);
      }
    }
    if (c.flawed) {
      EXPECT_EQ(f.flaws[0].name, "Tape thicker than the gap");
    }
    EXPECT_EQ(Count(f, Part::Gasket), c.gaskets);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FlawThreshold,
    testing::Values(
        FlawCase{"HoleJustInsideTheInscribedCircle", &CalcState::HoleDiameter, 8.08290291f, false,
                 -1},
        FlawCase{"HoleJustWiderThanTheInscribedCircle", &CalcState::HoleDiameter, 8.08290386f, true,
                 -1},
        FlawCase{"HoleWiderThanTheTruncationsCircle", &CalcState::HoleDiameter, 6.0f, false, -1},
        FlawCase{"HoleFarBeyondTheFace", &CalcState::HoleDiameter, 20.0f, true, -1,
                 "Hole wider than the face: it covers the whole face"},
        FlawCase{"TapeHalfTheGap", &CalcState::TapeThickness, 1.41421354f, false, 1},
        FlawCase{"TapeThreeQuartersOfTheGap", &CalcState::TapeThickness, 2.1f, false, 1},
        FlawCase{"TapeJustThinnerThanTheGap", &CalcState::TapeThickness, 2.82842684f, false, 1},
        FlawCase{"TapeFillingTheGap", &CalcState::TapeThickness, 2.82842708f, false, 0},
        FlawCase{"TapeJustThickerThanTheGap", &CalcState::TapeThickness, 2.82842731f, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct DegenerateEdge {
  const char* name;
  float CalcState::*field;
  float value;
  const char* reason;  // of every figure that reads the field; empty when all three are drawn
};

class DegenerateThreshold : public testing::TestWithParam<DegenerateEdge> {};

TEST_P(DegenerateThreshold, DrawnOnOneSideRefusedOnTheOther) {
  const DegenerateEdge& c = GetParam();
  CalcState s = WorkedDesign();
  s.*c.field = c.value;
  for (const Figure& f : {FaceView(s), GapSection(s), GasketStrips(s)}) {
    SCOPED_TRACE(f.title);
    if (*c.reason == '\0') {
      EXPECT_TRUE(f.Drawable()) << f.unavailable;
    } else if (!f.Drawable()) {
      EXPECT_EQ(f.unavailable, c.reason);
    }
  }
  if (*c.reason != '\0') {
    EXPECT_FALSE(GapSection(s).Drawable() && FaceView(s).Drawable() && GasketStrips(s).Drawable());
  }
}

const char* const kTelNotShorter =
    "Cannot be drawn: the truncation edge length is not shorter than the octahedron edge length.";

INSTANTIATE_TEST_SUITE_P(
    Figures, DegenerateThreshold,
    testing::Values(DegenerateEdge{"TelJustShorterThanOel", &CalcState::TEL, 13.999999f, ""},
                    DegenerateEdge{"TelEqualToOel", &CalcState::TEL, 14.0f, kTelNotShorter},
                    DegenerateEdge{"TelJustLongerThanOel", &CalcState::TEL, 14.000001f,
                                   kTelNotShorter},
                    DegenerateEdge{"ZeroTape", &CalcState::TapeThickness, 0.0f, ""},
                    DegenerateEdge{"NegativeZeroTape", &CalcState::TapeThickness, -0.0f, ""},
                    DegenerateEdge{"SmallestNegativeTape", &CalcState::TapeThickness, -1e-45f,
                                   "Cannot be drawn: the tape thickness is negative."},
                    DegenerateEdge{"SmallestHole", &CalcState::HoleDiameter, 1e-45f, ""},
                    DegenerateEdge{"ZeroHole", &CalcState::HoleDiameter, 0.0f,
                                   "Cannot be drawn: the hole diameter is zero."},
                    DegenerateEdge{"NegativeZeroHole", &CalcState::HoleDiameter, -0.0f,
                                   "Cannot be drawn: the hole diameter is zero."},
                    DegenerateEdge{"SmallestGasketWidth", &CalcState::GasketWidth, 1e-45f, ""},
                    DegenerateEdge{"ZeroGasketWidth", &CalcState::GasketWidth, 0.0f,
                                   "Cannot be drawn: the gasket width is zero."},
                    DegenerateEdge{"SmallestNegativeGasketWidth", &CalcState::GasketWidth, -1e-45f,
                                   "Cannot be drawn: the gasket width is negative."}),
    [](const auto& info) { return std::string(info.param.name); });

// The width of each strip is dimensioned beside its longer edge, on the outer side of the pair:
// left of the short strip, right of the long one.
TEST(GasketStripsWidth, DimensionedBesideTheLongerEdgeOnTheOuterSide) {
  const Figure f = GasketStrips(WorkedDesign());
  ASSERT_TRUE(f.Drawable()) << f.unavailable;
  struct Expected {
    double x;        // the short strip's outer edge is 20 long, centred on 0; the long one's
    double outward;  // 24, centred 10 + 0.25 * 24 + 12 = 28 to the right
  };
  const Expected expected[] = {{-10, -1}, {40, 1}};
  int n = 0;
  for (const Dimension& d : f.dimensions) {
    if (d.label != Box::txtGasketWidth) continue;
    ASSERT_LT(n, 2);
    SCOPED_TRACE(n);
    EXPECT_EQ(d.from.x, expected[n].x);
    EXPECT_EQ(d.to.x, expected[n].x);
    EXPECT_EQ(d.base.x, expected[n].x);
    EXPECT_EQ(std::fabs(d.to.y - d.from.y), 5.0);
    EXPECT_EQ(d.outward.x, expected[n].outward);
    EXPECT_EQ(d.outward.y, 0);
    ++n;
  }
  EXPECT_EQ(n, 2);
}

}  // namespace
}  // namespace ostrel::figures
