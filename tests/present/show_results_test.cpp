// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/show_results.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/calc.h"
#include "present/units.h"
#include "tests/support/fake_view.h"
#include "tests/support/startup_texts.h"

namespace ostrel {
namespace {

using test_support::AsStrings;
using test_support::BoxesUpTo;
using test_support::kStartupMmPsiUSTons;
using test_support::Texts;
constexpr int kNone = test_support::kNoSelection;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

enum Distance { kMillimeters, kInches };
enum Oil { kMPa, kBars, kPsi };
enum ForceUnit { kKN, kMetricTons, kUSTons };

// The start-up design, calculated, with the units that the load handler selects.
class ShowResultsTest : public ::testing::Test {
 protected:
  ShowResultsTest() {
    StoreStartupDesign(s);
    StoreStartupPress(s);
    EXPECT_EQ(All_Calc(s), Fault::None);
    Units(kMillimeters, kPsi, kUSTons);
  }

  void Units(int distance, int oil, int force) {
    view.Select(Group::optDistanceUnits, distance);
    view.Select(Group::optOilPressureUnits, oil);
    view.Select(Group::optForceUnits, force);
  }

  std::vector<std::string> Shown() const { return AsStrings(view.Texts()); }

  CalcState s;
  // "old" marks the boxes that a refresh has not written.
  test_support::FakeView view{".", "old"};
};

constexpr Texts kStartupInches = {
    "0.55118", "0.31496", "0.19685", "0.220472", "0.019685", "0.07874", "0.999998",
    "0",       "0.111",   "0.394",   "0.551",    "0.079",    "0.45",    "0.039",
    "0.787",   "0.945",   "0.176",   "0.017",    "135.18",   "8.51",    "0.787",
    "2",       "0.111",   "17",      "1000",     "113.5",    "9.1"};

TEST_F(ShowResultsTest, StartupDesignInMillimetresPsiAndUSTons) {
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(Shown(), AsStrings(kStartupMmPsiUSTons));
  EXPECT_EQ(view.Writes(), BoxesUpTo(Box::txtTheoreticalPressure));
  EXPECT_EQ(view.SeparatorAsked(), 1);
}

TEST_F(ShowResultsTest, StartupDesignInInches) {
  Units(kInches, kPsi, kUSTons);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(Shown(), AsStrings(kStartupInches));
}

TEST_F(ShowResultsTest, StoresTheFactorsOfTheSelectedOptions) {
  Units(kInches, kBars, kMetricTons);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(s.DistFactor, 0.03937f);
  EXPECT_EQ(s.OilFactor, 10.0f);
  EXPECT_EQ(s.ForceFactor, 0.102f);
  Units(kMillimeters, kPsi, kUSTons);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(s.DistFactor, 1.0f);
  EXPECT_EQ(s.OilFactor, 145.0f);
  EXPECT_EQ(s.ForceFactor, static_cast<float>(0.2248 / 2));
}

struct UnitCase {
  const char* name;
  Group group;
  int index;
  Box box;
  const char* text;
};

class UnitTextTest : public ShowResultsTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitTextTest, ShowsTheQuantityInTheSelectedUnit) {
  view.Select(GetParam().group, GetParam().index);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(view.Text(GetParam().box), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, UnitTextTest,
    ::testing::Values(
        UnitCase{"OilInMPa", Group::optOilPressureUnits, kMPa, Box::txtOilPressure, "6.9"},
        UnitCase{"OilInBars", Group::optOilPressureUnits, kBars, Box::txtOilPressure, "69"},
        UnitCase{"OilInPsi", Group::optOilPressureUnits, kPsi, Box::txtOilPressure, "1000"},
        UnitCase{"ForceInKN", Group::optForceUnits, kKN, Box::txtForce, "1010"},
        UnitCase{"ForceInMetricTons", Group::optForceUnits, kMetricTons, Box::txtForce, "103"},
        UnitCase{"ForceInUSTons", Group::optForceUnits, kUSTons, Box::txtForce, "113.5"},
        UnitCase{"PressureAlwaysGPa", Group::optForceUnits, kKN, Box::txtTheoreticalPressure,
                 "9.1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
  const char* name;
  float CalcState::*field;
  float value;
  int distance;
  Box box;
  const char* text;
};

class ValueTextTest : public ShowResultsTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTextTest, ShowsTheStoredValue) {
  const ValueCase& c = GetParam();
  s.*c.field = c.value;
  Units(c.distance, kPsi, kUSTons);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(view.Text(c.box), c.text);
}

using S = CalcState;

INSTANTIATE_TEST_SUITE_P(
    Rounding, ValueTextTest,
    ::testing::Values(
        // Halfway between two steps goes to the even one.
        ValueCase{"RamHalfwayDown", &S::RamDiameter, 431.125f, kMillimeters, Box::txtRamDiameter,
                  "431.12"},
        ValueCase{"RamHalfwayUp", &S::RamDiameter, 431.375f, kMillimeters, Box::txtRamDiameter,
                  "431.38"},
        ValueCase{"ThicknessHalfway", &S::GasketThickness, 2.125f, kMillimeters,
                  Box::txtGasketThickness, "2.12"},
        ValueCase{"SpreadAngleHalfway", &S::SpreadAngle, 45.125f, kMillimeters, Box::txtSpreadAngle,
                  "45.12"},
        ValueCase{"RakeAngleHalfway", &S::RakeAngle, 45.375f, kInches, Box::txtRakeAngle, "45.38"},
        ValueCase{"NegativeThickness", &S::GasketThickness, -2.8284270763397217f, kMillimeters,
                  Box::txtGasketThickness, "-2.83"},
        ValueCase{"NegativeInches", &S::ModifiedGasketThickness, -2.8284270763397217f, kInches,
                  Box::txtModifiedGasketThickness, "-0.111"},
        ValueCase{"NoTapeInMillimetres", &S::TapeThickness, 0.0f, kMillimeters,
                  Box::txtTapeThickness, "0"},
        ValueCase{"NoTapeInInches", &S::TapeThickness, 0.0f, kInches, Box::txtTapeThickness, "0"},
        ValueCase{"NegativeZeroScaled", &S::OctahedronWaist, -0.0f, kMillimeters,
                  Box::txtOctahedronWaist, "0"},
        ValueCase{"LargeInputInExponentForm", &S::OEL, 12345678.0f, kMillimeters, Box::txtOEL,
                  "1.234568E+07"},
        // The step count passes through a float, exact only up to 2^24 steps: 2147483600
        // becomes 2^31.
        ValueCase{"LargestVolumeStep", &S::OctahedronVolume, 21474836.0f, kMillimeters,
                  Box::txtOctahedronVolume, "21474836.48"},
        ValueCase{"LastExactStepCount", &S::OctahedronVolume, 167772.16f, kMillimeters,
                  Box::txtOctahedronVolume, "167772.16"},
        ValueCase{"PresetRamInInches", &S::RamDiameter, 370.0f, kInches, Box::txtRamDiameter,
                  "14.567"},
        // Plain boxes are not rounded to an integer, so an infinity left by a fault is shown.
        ValueCase{"InfiniteInput", &S::OEL, kInf, kMillimeters, Box::txtOEL, "Infinity"},
        ValueCase{"NaNInput", &S::CubeSize, kNaN, kInches, Box::txtCubeSize, "NaN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShowResultsTest, PressureHalfwayGoesToEven) {
  // A force of exactly 9.25 GPa on 5 mm truncations.
  s.TEL = 5.0f;
  s.RamDiameter = 400.0f;
  s.OilPressure = 3.18737006f;
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  ASSERT_EQ(s.TheoreticalPressure, 9.25f);
  EXPECT_EQ(view.Text(Box::txtTheoreticalPressure), "9.2");
}

TEST_F(ShowResultsTest, CommaSeparator) {
  view.SetSeparator(",");
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(view.Text(Box::txtGasketThickness), "2,83");
  EXPECT_EQ(view.Text(Box::txtHoleDiameter), "5,6");
  Units(kInches, kPsi, kUSTons);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(view.Text(Box::txtOEL), "0,55118");
  EXPECT_EQ(view.Text(Box::txtGasketVolume), "0,176");
}

TEST_F(ShowResultsTest, SwitchingUnitsAndBackRestoresEveryText) {
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  const CalcState before = s;
  for (int distance : {kMillimeters, kInches}) {
    for (int oil : {kMPa, kBars, kPsi}) {
      for (int force : {kKN, kMetricTons, kUSTons}) {
        Units(distance, oil, force);
        ASSERT_EQ(ShowResults(s, view), Fault::None);
        Units(kMillimeters, kPsi, kUSTons);
        ASSERT_EQ(ShowResults(s, view), Fault::None);
        EXPECT_EQ(Shown(), AsStrings(kStartupMmPsiUSTons));
      }
    }
  }
  EXPECT_EQ(s.OEL, before.OEL);
  EXPECT_EQ(s.Force, before.Force);
  EXPECT_EQ(s.TheoreticalPressure, before.TheoreticalPressure);
}

TEST_F(ShowResultsTest, FlagsRaisedBeforeTheRefreshAreNotFaults) {
  std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(Shown(), AsStrings(kStartupMmPsiUSTons));
}

TEST_F(ShowResultsTest, FlagsRaisedByTheWindowAreNotFaults) {
  view.SetNoisyFlags(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  EXPECT_EQ(Shown(), AsStrings(kStartupMmPsiUSTons));
}

// A fault at a box: the boxes before it are written, it and every later box keep their text.
struct FaultCase {
  const char* name;
  float CalcState::*field;
  float value;
  int distance;
  int oil;
  Box box;
};

class BoxFaultTest : public ShowResultsTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(BoxFaultTest, StopsAtTheBox) {
  const FaultCase& c = GetParam();
  s.*c.field = c.value;
  Units(c.distance, c.oil, kUSTons);
  EXPECT_EQ(ShowResults(s, view), Fault::Overflow);
  const std::vector<Box> written = BoxesUpTo(static_cast<Box>(static_cast<int>(c.box) - 1));
  EXPECT_EQ(view.Writes(), written);
  for (int i = static_cast<int>(c.box); i < kBoxCount; ++i) {
    EXPECT_EQ(view.Text(static_cast<Box>(i)), "old") << "box " << i + 1;
  }
  EXPECT_EQ(s.Force, 0.0f);  // the force step was not reached
}

INSTANTIATE_TEST_SUITE_P(
    Range, BoxFaultTest,
    ::testing::Values(
        FaultCase{"VolumeAboveRange", &S::OctahedronVolume, 21474838.0f, kMillimeters, kPsi,
                  Box::txtOctahedronVolume},
        FaultCase{"NegativeBelowRange", &S::GasketThickness, -21474838.0f, kMillimeters, kPsi,
                  Box::txtGasketThickness},
        FaultCase{"InchesAboveRange", &S::RamDiameter, 6e7f, kInches, kPsi, Box::txtRamDiameter},
        FaultCase{"PsiAboveRange", &S::OilPressure, 2e7f, kMillimeters, kPsi, Box::txtOilPressure},
        FaultCase{"MPaAboveRange", &S::OilPressure, 21474838.0f, kMillimeters, kMPa,
                  Box::txtOilPressure},
        FaultCase{"LargestFloatLength", &S::PaperWidth, std::numeric_limits<float>::max(),
                  kMillimeters, kPsi, Box::txtPaperWidth}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LeftByAnEarlierFault, BoxFaultTest,
    ::testing::Values(
        FaultCase{"InfiniteLength", &S::GasketThickness, kInf, kMillimeters, kPsi,
                  Box::txtGasketThickness},
        FaultCase{"NegativeInfiniteVolume", &S::OctahedronVolume, -kInf, kInches, kPsi,
                  Box::txtOctahedronVolume},
        FaultCase{"NaNVolume", &S::HoleVolume, kNaN, kMillimeters, kPsi, Box::txtHoleVolume},
        FaultCase{"InfiniteAngle", &S::SpreadAngle, kInf, kMillimeters, kPsi, Box::txtSpreadAngle},
        FaultCase{"NaNAngle", &S::RakeAngle, kNaN, kMillimeters, kPsi, Box::txtRakeAngle},
        FaultCase{"InfiniteOilPressure", &S::OilPressure, kInf, kMillimeters, kMPa,
                  Box::txtOilPressure}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShowResultsTest, ZeroTruncationFaultsAfterTheForceIsShown) {
  s.TEL = 0.0f;
  EXPECT_EQ(ShowResults(s, view), Fault::DivisionByZero);
  EXPECT_EQ(view.Text(Box::txtForce), "113.5");
  EXPECT_EQ(view.Text(Box::txtTheoreticalPressure), "old");
  EXPECT_EQ(s.TheoreticalPressure, kInf);
}

TEST_F(ShowResultsTest, ZeroTruncationWithoutForceIsAnInvalidOperation) {
  s.TEL = 0.0f;
  s.OilPressure = 0.0f;
  EXPECT_EQ(ShowResults(s, view), Fault::Overflow);
  EXPECT_EQ(view.Text(Box::txtForce), "0");
  EXPECT_EQ(view.Text(Box::txtTheoreticalPressure), "old");
  EXPECT_TRUE(std::isnan(s.TheoreticalPressure));
}

TEST_F(ShowResultsTest, ForceBeyondTheDisplayRangeFaultsAtItsBox) {
  s.RamDiameter = 2e7f;
  s.OilPressure = 1e5f;
  Units(kMillimeters, kMPa, kKN);
  EXPECT_EQ(ShowResults(s, view), Fault::Overflow);
  EXPECT_EQ(view.Writes(), BoxesUpTo(Box::txtOilPressure));
  EXPECT_EQ(view.Text(Box::txtRamDiameter), "20000000");
  EXPECT_EQ(view.Text(Box::txtForce), "old");
  EXPECT_GT(s.Force, 3e16f);
}

// A group without a selection keeps its factor and leaves its scale 0, so the first box that
// uses the scale divides 0 by 0.
struct UnselectedCase {
  const char* name;
  Group group;
  Box box;
};

class UnselectedGroupTest : public ShowResultsTest,
                            public ::testing::WithParamInterface<UnselectedCase> {};

TEST_P(UnselectedGroupTest, FaultsAtTheGroupsFirstScaledBox) {
  Units(kInches, kBars, kMetricTons);
  ASSERT_EQ(ShowResults(s, view), Fault::None);
  const CalcState factors = s;
  const auto shown = view.Texts();
  view.ClearLogs();
  s.Force = 0.0f;

  view.Select(GetParam().group, kNone);
  EXPECT_EQ(ShowResults(s, view), Fault::Overflow);
  EXPECT_EQ(view.Writes(), BoxesUpTo(static_cast<Box>(static_cast<int>(GetParam().box) - 1)));
  EXPECT_EQ(view.Texts(), shown);  // the kept factors give the same texts
  EXPECT_EQ(s.DistFactor, factors.DistFactor);
  EXPECT_EQ(s.OilFactor, factors.OilFactor);
  EXPECT_EQ(s.ForceFactor, factors.ForceFactor);
  // Only a fault after the force step leaves a new Force.
  EXPECT_EQ(s.Force != 0.0f, GetParam().box == Box::txtForce);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, UnselectedGroupTest,
    ::testing::Values(UnselectedCase{"Length", Group::optDistanceUnits, Box::txtGasketThickness},
                      UnselectedCase{"OilPressure", Group::optOilPressureUnits,
                                     Box::txtOilPressure},
                      UnselectedCase{"Force", Group::optForceUnits, Box::txtForce}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreForceFactor, StoresTheFactorOfAnExistingOption) {
  struct Case {
    std::int16_t index;
    float factor;
  };
  constexpr float kBefore = 7.0f;
  for (const Case c : {Case{0, 1.0f}, Case{1, 0.102f}, Case{2, static_cast<float>(0.2248 / 2)},
                       Case{-1, kBefore}, Case{3, kBefore}, Case{32767, kBefore}}) {
    CalcState s;
    s.ForceFactor = kBefore;
    StoreForceFactor(s, c.index);
    EXPECT_EQ(s.ForceFactor, c.factor) << "Index " << c.index;
  }
}

}  // namespace
}  // namespace ostrel
