// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/handlers.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/calc_state.h"
#include "tests/support/fake_view.h"
#include "tests/support/startup_texts.h"

namespace ostrel {
namespace {

using test_support::AsStrings;
using test_support::FakeView;
using test_support::FakeWindow;
using test_support::kStartupMmPsiUSTons;

constexpr float kInchFactor = 0.03937f;

class HandlersTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(w.handlers.Form_Load(), Fault::None); }

  FakeWindow w;
  CalcState& s = w.s;
  FakeView& view = w.view;
  Handlers& handlers = w.handlers;
};

TEST(FormLoad, ShowsTheStartupDesign) {
  FakeWindow w;
  ASSERT_EQ(w.handlers.Form_Load(), Fault::None);
  EXPECT_EQ(AsStrings(w.view.Texts()), AsStrings(kStartupMmPsiUSTons));
  EXPECT_EQ(w.view.Selected(Group::optDistanceUnits), 0);
  EXPECT_EQ(w.view.Selected(Group::optOilPressureUnits), 2);
  EXPECT_EQ(w.view.Selected(Group::optForceUnits), 2);
  // Millimetres were selected already; psi and US tons each clicked and refreshed inside the
  // load handler, before its own refresh.
  EXPECT_EQ(w.view.NestedFaults(), (std::vector<Fault>{Fault::None, Fault::None}));
  EXPECT_EQ(w.view.Writes().size(), 3u * kBoxCount);
  EXPECT_EQ(w.s.OEL, 14.0f);
  EXPECT_EQ(w.s.RamDiameter, 431.8f);
  EXPECT_EQ(w.s.OilPressure, 6.897f);
  EXPECT_EQ(w.s.ForceFactor, static_cast<float>(0.2248 / 2));
}

TEST(FormLoad, IgnoresFlagsRaisedByTheWindow) {
  FakeWindow w(",");
  w.view.SetNoisyFlags(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  ASSERT_EQ(w.handlers.Form_Load(), Fault::None);
  EXPECT_EQ(w.view.Text(Box::txtGasketThickness), "2,83");
  EXPECT_EQ(w.view.Text(Box::txtTheoreticalPressure), "9,1");
  w.view.Type(Box::txtOEL, "14,5");
  ASSERT_EQ(w.handlers.cmdCalc_Click(), Fault::None);
  EXPECT_EQ(w.s.OEL, 14.5f);
}

TEST_F(HandlersTest, InchesTypedAreStoredInMillimetres) {
  view.Click(Group::optDistanceUnits, 1);
  view.Type(Box::txtOEL, "0.5");
  ASSERT_EQ(handlers.cmdCalc_Click(), Fault::None);
  EXPECT_EQ(s.OEL, static_cast<float>(0.5 / double{kInchFactor}));
  EXPECT_EQ(view.Text(Box::txtOEL), "0.5");
  view.Click(Group::optDistanceUnits, 0);
  EXPECT_EQ(view.Text(Box::txtOEL), "12.70003");
  EXPECT_EQ(view.NestedFaults().back(), Fault::None);
}

TEST_F(HandlersTest, UnitChangeKeepsStoredValues) {
  view.Click(Group::optDistanceUnits, 1);
  EXPECT_EQ(view.Text(Box::txtOEL), "0.55118");
  view.Click(Group::optDistanceUnits, 0);
  EXPECT_EQ(view.Text(Box::txtOEL), "14");
  EXPECT_EQ(s.OEL, 14.0f);
}

TEST_F(HandlersTest, OilPressureInPsiIsStoredInMPa) {
  view.Type(Box::txtOilPressure, "1000");
  ASSERT_EQ(handlers.cmdRam_Click(), Fault::None);
  EXPECT_EQ(s.OilPressure, static_cast<float>(1000.0 / 145.0));
  EXPECT_NE(s.OilPressure, 6.897f);
  EXPECT_EQ(view.Text(Box::txtForce), "113.5");
}

TEST_F(HandlersTest, RamDiameterHalfwayIsShownAtTheEvenStep) {
  view.Type(Box::txtRamDiameter, "431.125");
  ASSERT_EQ(handlers.cmdRam_Click(), Fault::None);
  EXPECT_EQ(s.RamDiameter, 431.125f);
  EXPECT_EQ(view.Text(Box::txtRamDiameter), "431.12");
  view.Type(Box::txtRamDiameter, "431.375");
  ASSERT_EQ(handlers.cmdRam_Click(), Fault::None);
  EXPECT_EQ(view.Text(Box::txtRamDiameter), "431.38");
}

TEST_F(HandlersTest, LettersInOilPressureStoreOnlyTheRamDiameter) {
  view.Type(Box::txtRamDiameter, "400");
  view.Type(Box::txtOilPressure, "abc");
  view.ClearLogs();
  EXPECT_EQ(handlers.cmdRam_Click(), Fault::TypeMismatch);
  EXPECT_EQ(s.RamDiameter, 400.0f);
  EXPECT_EQ(s.OilPressure, 6.897f);
  EXPECT_TRUE(view.Writes().empty());
  EXPECT_EQ(view.Text(Box::txtRamDiameter), "400");
  EXPECT_EQ(view.Text(Box::txtOilPressure), "abc");
}

struct RefreshCase {
  const char* name;
  Fault (*action)(FakeWindow&);
};

class TypedTextTest : public HandlersTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(TypedTextTest, IsReplacedByAnyRefresh) {
  view.Type(Box::txtOEL, "99");
  view.Type(Box::txtOilPressure, "2000");
  ASSERT_EQ(GetParam().action(w), Fault::None);
  EXPECT_EQ(view.Text(Box::txtOEL), "14");
  EXPECT_EQ(view.Text(Box::txtOilPressure), "1000");
  EXPECT_EQ(s.OEL, 14.0f);
  EXPECT_EQ(s.OilPressure, 6.897f);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, TypedTextTest,
    ::testing::Values(
        RefreshCase{"UnitChange",
                    [](FakeWindow& w) {
                      w.view.Click(Group::optForceUnits, 0);
                      return w.view.NestedFaults().back();
                    }},
        RefreshCase{"OtherSection", [](FakeWindow& w) { return w.handlers.cmdHole_Click(); }},
        RefreshCase{"Preset", [](FakeWindow& w) { return w.handlers.cmdWhichPress_Click(3); }},
        RefreshCase{"ForceOptionHandler",
                    [](FakeWindow& w) { return w.handlers.optForceUnits_Click(0); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A design whose gasket volume lies next to a halfway point of the display: the volume from the
// stored (rounded) outer long edge is 1026.39502 and shows "1026.4"; from the double sum that the
// edge was rounded from it would be 1026.39496, "1026.39".
TEST_F(HandlersTest, GasketVolumeFromTheStoredOuterLongEdge) {
  view.Type(Box::txtOEL, "5");
  view.Type(Box::txtTEL, "2");
  ASSERT_EQ(handlers.cmdCalc_Click(), Fault::None);
  view.Type(Box::txtGasketWidth, "6.03");
  ASSERT_EQ(handlers.cmdOuterCalc_Click(), Fault::None);
  EXPECT_EQ(view.Text(Box::txtOuterLongEdge), "17.06");
  EXPECT_EQ(view.Text(Box::txtGasketVolume), "1026.4");
}

TEST_F(HandlersTest, NewOctahedronLeavesLaterSectionsAlone) {
  const float hole_volume = s.HoleVolume;
  const float outer_short = s.OuterShortEdge;
  view.Type(Box::txtOEL, "20");
  ASSERT_EQ(handlers.cmdCalc_Click(), Fault::None);
  // sqrt 6 x 20 / 3
  EXPECT_EQ(s.HoleLength, static_cast<float>(std::sqrt(6.0) * 20 / 3));
  EXPECT_EQ(view.Text(Box::txtHoleLength), "16.33");
  EXPECT_EQ(s.HoleVolume, hole_volume);
  EXPECT_EQ(view.Text(Box::txtHoleVolume), "281.55");
  EXPECT_EQ(s.OuterShortEdge, outer_short);
  ASSERT_EQ(handlers.cmdHole_Click(), Fault::None);
  EXPECT_NE(s.HoleVolume, hole_volume);
}

// Each Calc button with its input boxes and fields; the second box is absent for one-input
// buttons.
struct CalcButtonCase {
  const char* name;
  Fault (Handlers::*handler)();
  Box first_box;
  float CalcState::*first;
  Box second_box;
  float CalcState::*second;
};

class CalcButtonTest : public HandlersTest, public ::testing::WithParamInterface<CalcButtonCase> {
 protected:
  void Run(const char* first_text, const char* second_text, Fault expected) {
    const CalcButtonCase& c = GetParam();
    first_before = s.*c.first;
    if (c.second) second_before = s.*c.second;
    view.Type(c.first_box, first_text);
    if (c.second) view.Type(c.second_box, second_text);
    view.ClearLogs();
    EXPECT_EQ((handlers.*c.handler)(), expected);
  }
  float first_before = 0;
  float second_before = 0;
};

TEST_P(CalcButtonTest, StoresBothInputsAndRefreshes) {
  view.Click(Group::optOilPressureUnits, 0);  // every divisor 1
  Run("3", "1.5", Fault::None);
  EXPECT_EQ(s.*GetParam().first, 3.0f);
  if (GetParam().second) {
    EXPECT_EQ(s.*GetParam().second, 1.5f);
  }
  EXPECT_EQ(view.Writes().size(), static_cast<std::size_t>(kBoxCount));
}

TEST_P(CalcButtonTest, FirstInputFaultStoresNothing) {
  Run("abc", "1.5", Fault::TypeMismatch);
  EXPECT_EQ(s.*GetParam().first, first_before);
  if (GetParam().second) {
    EXPECT_EQ(s.*GetParam().second, second_before);
  }
  EXPECT_TRUE(view.Writes().empty());
}

TEST_P(CalcButtonTest, QuotientBeyondTheFloatRangeIsStoredAsInfinity) {
  view.Click(Group::optDistanceUnits, 1);
  Run("3e38", "1", Fault::Overflow);
  EXPECT_EQ(s.*GetParam().first, std::numeric_limits<float>::infinity());
  if (GetParam().second) {
    EXPECT_EQ(s.*GetParam().second, second_before);
  }
  EXPECT_TRUE(view.Writes().empty());
}

using S = CalcState;
using H = Handlers;

INSTANTIATE_TEST_SUITE_P(
    Buttons, CalcButtonTest,
    ::testing::Values(
        CalcButtonCase{"Calc", &H::cmdCalc_Click, Box::txtOEL, &S::OEL, Box::txtTEL, &S::TEL},
        CalcButtonCase{"OuterCalc", &H::cmdOuterCalc_Click, Box::txtGasketWidth, &S::GasketWidth,
                       Box::txtGasketWidth, nullptr},
        CalcButtonCase{"Hole", &H::cmdHole_Click, Box::txtHoleDiameter, &S::HoleDiameter,
                       Box::txtHoleDiameter, nullptr},
        CalcButtonCase{"TCCalc", &H::cmdTCCalc_Click, Box::txtTCCentralDepth, &S::TCCentralDepth,
                       Box::txtTCEdgePosition, &S::TCEdgePosition},
        CalcButtonCase{"PaperAndTape", &H::cmdPaperAndTape_Click, Box::txtCubeSize, &S::CubeSize,
                       Box::txtTapeThickness, &S::TapeThickness},
        CalcButtonCase{"Ram", &H::cmdRam_Click, Box::txtRamDiameter, &S::RamDiameter,
                       Box::txtOilPressure, &S::OilPressure}),
    [](const auto& info) { return std::string(info.param.name); });

class TwoInputButtonTest : public CalcButtonTest {};

TEST_P(TwoInputButtonTest, SecondInputFaultKeepsTheFirst) {
  Run("3", "1e39", Fault::Overflow);
  EXPECT_EQ(s.*GetParam().first, 3.0f);
  EXPECT_EQ(s.*GetParam().second, second_before);
  EXPECT_TRUE(view.Writes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, TwoInputButtonTest,
    ::testing::Values(
        CalcButtonCase{"Calc", &H::cmdCalc_Click, Box::txtOEL, &S::OEL, Box::txtTEL, &S::TEL},
        CalcButtonCase{"TCCalc", &H::cmdTCCalc_Click, Box::txtTCCentralDepth, &S::TCCentralDepth,
                       Box::txtTCEdgePosition, &S::TCEdgePosition},
        CalcButtonCase{"PaperAndTape", &H::cmdPaperAndTape_Click, Box::txtCubeSize, &S::CubeSize,
                       Box::txtTapeThickness, &S::TapeThickness},
        CalcButtonCase{"Ram", &H::cmdRam_Click, Box::txtRamDiameter, &S::RamDiameter,
                       Box::txtOilPressure, &S::OilPressure}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcButton, ZeroFactorBeforeAnyRefreshIsDivisionByZero) {
  FakeWindow w;
  w.view.Type(Box::txtHoleDiameter, "5");
  EXPECT_EQ(w.handlers.cmdHole_Click(), Fault::DivisionByZero);
  EXPECT_EQ(w.s.HoleDiameter, std::numeric_limits<float>::infinity());
  EXPECT_TRUE(w.view.Writes().empty());
}

TEST_F(HandlersTest, ProcedureFaultSkipsTheRefresh) {
  view.Type(Box::txtOEL, "0");
  ASSERT_EQ(handlers.cmdCalc_Click(), Fault::None);
  view.ClearLogs();
  EXPECT_EQ(handlers.cmdTCCalc_Click(), Fault::DivisionByZero);
  EXPECT_TRUE(view.Writes().empty());
}

TEST_F(HandlersTest, ZeroTruncationFaultsInTheRefreshAfterTheForce) {
  view.Type(Box::txtTEL, "0");
  view.ClearLogs();
  EXPECT_EQ(handlers.cmdCalc_Click(), Fault::DivisionByZero);
  EXPECT_EQ(view.Writes().back(), Box::txtForce);
  EXPECT_EQ(view.Text(Box::txtTheoreticalPressure), "9.1");
}

struct PresetCase {
  const char* name;
  std::int16_t index;
  float ram;
  const char* ram_text;
  const char* force_text;
  const char* pressure_text;
};

class PresetTest : public HandlersTest, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(PresetTest, StoresTheRamDiameterAndRefreshes) {
  const PresetCase& c = GetParam();
  ASSERT_EQ(handlers.cmdWhichPress_Click(c.index), Fault::None);
  EXPECT_EQ(s.RamDiameter, c.ram);
  EXPECT_EQ(s.OilPressure, 6.897f);
  EXPECT_EQ(view.Text(Box::txtRamDiameter), c.ram_text);
  EXPECT_EQ(view.Text(Box::txtForce), c.force_text);
  EXPECT_EQ(view.Text(Box::txtTheoreticalPressure), c.pressure_text);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PresetTest,
    ::testing::Values(PresetCase{"BigBlue", 0, 431.80108642578125f, "431.8", "113.5", "9.1"},
                      PresetCase{"RedBlueGreen", 1, 457.20120239257812f, "457.2", "127.3", "10.2"},
                      PresetCase{"Rockland", 2, 431.80108642578125f, "431.8", "113.5", "9.1"},
                      PresetCase{"Sumitomo", 3, 370.0f, "370", "83.4", "6.7"},
                      PresetCase{"NoSuchButton", 4, 431.8f, "431.8", "113.5", "9.1"},
                      PresetCase{"NegativeIndex", -1, 431.8f, "431.8", "113.5", "9.1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlersTest, ForceOptionFactorIsStoredAgainFromTheSelection) {
  // The handler stores the clicked Index's factor; the refresh then stores the selected one's.
  ASSERT_EQ(handlers.optForceUnits_Click(0), Fault::None);
  EXPECT_EQ(s.ForceFactor, static_cast<float>(0.2248 / 2));
  view.Click(Group::optForceUnits, 0);
  EXPECT_EQ(s.ForceFactor, 1.0f);
  EXPECT_EQ(view.Text(Box::txtForce), "1010");
}

}  // namespace
}  // namespace ostrel
