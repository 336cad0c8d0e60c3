// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "calibration/curve.h"

namespace ostrel {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Four points, given out of order: the curve orders them by force.
const std::vector<CalibrationPoint> kFour = {
    {600, 12, "c"}, {200, 5, "a"}, {800, 14, "d"}, {400, 9, "b"}};

CalibrationCurve Four() {
  CurveResult r = MakeCurve(kFour);
  EXPECT_TRUE(r.problems.empty());
  return *r.curve;
}

TEST(CurveTest, NodesOrderedByForce) {
  const CalibrationCurve curve = Four();
  ASSERT_EQ(curve.Nodes().size(), 4u);
  const float forces[] = {200, 400, 600, 800};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(curve.Nodes()[i].force, forces[i]);
}

struct Case {
  float x;
  float expected;
  Reach reach;
};

// Values whose double arithmetic is exact, so each is compared exactly.
TEST(CurveTest, PressureAtForce) {
  const CalibrationCurve curve = Four();
  const Case cases[] = {
      {200, 5, Reach::Interpolated},           {300, 7, Reach::Interpolated},
      {400, 9, Reach::Interpolated},           {500, 10.5f, Reach::Interpolated},
      {800, 14, Reach::Interpolated},          {50, 2, Reach::ExtrapolatedBelow},
      {100, 3, Reach::ExtrapolatedBelow},      {1000, 16, Reach::ExtrapolatedAbove},
      {801, 14.01f, Reach::ExtrapolatedAbove},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    const CurveValue v = curve.PressureAt(c.x);
    ASSERT_TRUE(v.ok()) << v.reason;
    EXPECT_EQ(v.value, c.expected);
    EXPECT_EQ(v.reach, c.reach);
  }
}

TEST(CurveTest, ForceForPressure) {
  const CalibrationCurve curve = Four();
  const Case cases[] = {
      {5, 200, Reach::Interpolated},      {7, 300, Reach::Interpolated},
      {10.5f, 500, Reach::Interpolated},  {14, 800, Reach::Interpolated},
      {3, 100, Reach::ExtrapolatedBelow}, {16, 1000, Reach::ExtrapolatedAbove},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    const CurveValue v = curve.ForceFor(c.x);
    ASSERT_TRUE(v.ok()) << v.reason;
    EXPECT_EQ(v.value, c.expected);
    EXPECT_EQ(v.reach, c.reach);
  }
}

// Every way to a value that is not a finite positive number ends in a reason and a zero.
TEST(CurveTest, RefusesWhatHasNoPositiveFiniteValue) {
  const CalibrationCurve curve = Four();
  // Steep enough that the extension below the points reaches zero pressure at 400 kN.
  const CalibrationCurve steep = *MakeCurve({{500, 5, ""}, {600, 10, ""}}).curve;
  // Ninety-nine GPa per kN: beyond the float range long before the force is.
  const CalibrationCurve fast = *MakeCurve({{1, 1, ""}, {2, 100, ""}}).curve;
  struct Refusal {
    const char* name;
    CurveValue value;
    const char* reason;
  };
  const Refusal cases[] = {
      {"zero force", curve.PressureAt(0), "the force is not a positive number"},
      {"negative force", curve.PressureAt(-1), "the force is not a positive number"},
      {"NaN force", curve.PressureAt(kNaN), "the force is not a positive number"},
      {"infinite force", curve.PressureAt(kInf), "the force is not a positive number"},
      {"zero pressure", curve.ForceFor(0), "the pressure is not a positive number"},
      {"negative pressure", curve.ForceFor(-3), "the pressure is not a positive number"},
      {"NaN pressure", curve.ForceFor(kNaN), "the pressure is not a positive number"},
      {"infinite pressure", curve.ForceFor(kInf), "the pressure is not a positive number"},
      {"negative zero force", curve.PressureAt(-0.0f), "the force is not a positive number"},
      {"minus infinite force", curve.PressureAt(-kInf), "the force is not a positive number"},
      {"negative zero pressure", curve.ForceFor(-0.0f), "the pressure is not a positive number"},
      {"minus infinite pressure", curve.ForceFor(-kInf), "the pressure is not a positive number"},
      {"pressure below zero", steep.PressureAt(300),
       "the calibration gives no positive pressure there"},
      {"pressure exactly zero", steep.PressureAt(400),
       "the calibration gives no positive pressure there"},
      {"force at or below zero", curve.ForceFor(1),
       "the calibration gives no positive force there"},
      {"force beyond float", curve.ForceFor(3e38f),
       "the calibration gives no positive force within the range of numbers"},
      {"pressure beyond float", fast.PressureAt(3e38f),
       "the calibration gives no positive pressure within the range of numbers"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(c.value.ok());
    EXPECT_EQ(c.value.reason, c.reason);
    EXPECT_EQ(c.value.value, 0.0f);
  }
}

TEST(CurveTest, NamesThePointsThatBreakARule) {
  struct Broken {
    const char* name;
    std::vector<CalibrationPoint> points;
    std::vector<std::string> reasons;
    std::vector<int> marked;
  };
  const Broken cases[] = {
      {"one point", {{200, 5, ""}}, {"a calibration needs at least two points"}, {1}},
      {"same force",
       {{200, 5, ""}, {300, 6, ""}, {200, 5.5f, ""}},
       {"Points 1 and 3 have the same force"},
       {1, 3}},
      {"falling",
       {{400, 4, ""}, {200, 5, ""}},
       {"Points 1 and 2: the pressure does not rise with the force"},
       {1, 2}},
      {"level",
       {{200, 5, ""}, {300, 6, ""}, {400, 6, ""}},
       {"Points 2 and 3: the pressure does not rise with the force"},
       {2, 3}},
      {"zero force",
       {{0, 5, ""}, {200, 6, ""}, {300, 7, ""}},
       {"Point 1: the force is not a positive number"},
       {1}},
      {"negative and NaN force",
       {{200, 5, ""}, {-1, 6, ""}, {kNaN, 7, ""}},
       {"Point 2: the force is not a positive number",
        "Point 3: the force is not a positive number"},
       {2, 3}},
      {"infinite force",
       {{200, 5, ""}, {kInf, 6, ""}},
       {"Point 2: the force is not a positive number"},
       {2}},
      {"zero and infinite pressure",
       {{200, 0, ""}, {300, kInf, ""}, {400, 7, ""}},
       {"Point 1: the pressure is not a positive number",
        "Point 2: the pressure is not a positive number"},
       {1, 2}},
      {"NaN, negative and minus infinite pressure",
       {{200, kNaN, ""}, {300, -7, ""}, {400, -kInf, ""}, {500, 8, ""}},
       {"Point 1: the pressure is not a positive number",
        "Point 2: the pressure is not a positive number",
        "Point 3: the pressure is not a positive number"},
       {1, 2, 3}},
      {"minus infinite and negative zero force",
       {{-kInf, 5, ""}, {-0.0f, 6, ""}, {300, 7, ""}},
       {"Point 1: the force is not a positive number",
        "Point 2: the force is not a positive number"},
       {1, 2}},
      {"one good point among bad ones",
       {{200, 5, ""}, {0, 6, ""}},
       {"Point 2: the force is not a positive number"},
       {2}},
      {"two rules at once",
       {{200, 5, ""}, {200, 6, ""}, {300, 4, ""}},
       {"Points 1 and 2 have the same force",
        "Points 2 and 3: the pressure does not rise with the force"},
       {1, 2, 3}},
  };
  for (const Broken& c : cases) {
    SCOPED_TRACE(c.name);
    const CurveResult r = MakeCurve(c.points);
    EXPECT_FALSE(r.curve);
    std::vector<std::string> reasons;
    for (const CurveProblem& p : r.problems) reasons.push_back(p.reason);
    EXPECT_EQ(reasons, c.reasons);
    EXPECT_EQ(PointsInProblems(r.problems), c.marked);
  }
}

TEST(CurveTest, NoPointsIsNoCalibrationAndNoProblem) {
  const CurveResult r = MakeCurve({});
  EXPECT_FALSE(r.curve);
  EXPECT_TRUE(r.problems.empty());
}

}  // namespace
}  // namespace ostrel
