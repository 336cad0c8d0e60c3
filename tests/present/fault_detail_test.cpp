// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Where each kind of fault is found and what its report adds: every input box unreadable, each
// procedure's overflow and division by zero (or why it cannot divide by zero), the force and
// pressure steps, and boxes the refresh cannot show.

#include "present/fault_detail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "core/calc.h"
#include "present/handlers.h"
#include "present/text_view.h"

namespace ostrel {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

using Click = Fault (Handlers::*)();
using H = Handlers;

struct Typed {
  Box box;
  const char* text;
};

// Typed texts and a Calc button on the window as it opens; `first` runs before and must not
// fault.
struct HandlerCase {
  const char* name;
  std::vector<Typed> first_typed;
  Click first;
  std::vector<Typed> typed;
  Click click;
  Fault fault;
  const char* informative;
  Box focus;
  const char* separator = ".";
  bool inches = false;
};

class HandlerFault : public testing::TestWithParam<HandlerCase> {};

TEST_P(HandlerFault, SaysWhereAndWhichBoxToChange) {
  const HandlerCase& c = GetParam();
  CalcState s;
  TextView view(c.separator);
  Handlers handlers(s, view);
  view.Attach(&handlers);
  ASSERT_EQ(handlers.Form_Load(), Fault::None);
  if (c.inches) view.SelectOption(Group::optDistanceUnits, 1);
  if (c.first != nullptr) {
    for (const Typed& t : c.first_typed) view.SetBoxText(t.box, t.text);
    ASSERT_EQ((handlers.*c.first)(), Fault::None);
  }
  for (const Typed& t : c.typed) view.SetBoxText(t.box, t.text);

  EXPECT_EQ((handlers.*c.click)(), c.fault);
  const FaultDetail detail =
      DescribeFault(c.fault, handlers.LastFaultLocation(), view.DecimalSeparator());
  EXPECT_EQ(detail.informative, c.informative);
  EXPECT_TRUE(detail.has_focus);
  EXPECT_EQ(detail.focus, c.focus);
}

#define NAMED(n) n, {}, nullptr
INSTANTIATE_TEST_SUITE_P(
    EveryInputUnreadable, HandlerFault,
    testing::Values(
        HandlerCase{
            NAMED("OelLetters"),
            {{Box::txtOEL, "abc"}},
            &H::cmdCalc_Click,
            Fault::TypeMismatch,
            "Octahedron edge length (OEL): \"abc\" is not a number. Use a number such as 14 "
            "or 2.5.",
            Box::txtOEL},
        HandlerCase{
            NAMED("TelPointUnderComma"),
            {{Box::txtTEL, "2.5"}},
            &H::cmdCalc_Click,
            Fault::TypeMismatch,
            "Truncation edge length (TEL): \"2.5\" is not a number. Use a number such as 14 "
            "or 2,5.",
            Box::txtTEL,
            ","},
        HandlerCase{NAMED("GasketWidthEmpty"),
                    {{Box::txtGasketWidth, ""}},
                    &H::cmdOuterCalc_Click,
                    Fault::TypeMismatch,
                    "Gasket width is empty. Use a number such as 14 or 2.5.",
                    Box::txtGasketWidth},
        HandlerCase{
            NAMED("HoleDiameterBeyondFloat"),
            {{Box::txtHoleDiameter, "1e39"}},
            &H::cmdHole_Click,
            Fault::Overflow,
            "Hole diameter: \"1e39\" is too large a number. Use a number such as 14 or 2.5.",
            Box::txtHoleDiameter},
        HandlerCase{
            NAMED("CentralDepthLongTextShortened"),
            {{Box::txtTCCentralDepth, "0123456789abcdefghij0123456789abcdefghij0123456789"}},
            &H::cmdTCCalc_Click,
            Fault::TypeMismatch,
            "Thermocouple central depth: \"0123456789abcdefghij0123456789abcdefghi\u2026\" is "
            "not a number. Use a number such as 14 or 2.5.",
            Box::txtTCCentralDepth},
        HandlerCase{NAMED("EdgePositionWithUnit"),
                    {{Box::txtTCEdgePosition, "5 mm"}},
                    &H::cmdTCCalc_Click,
                    Fault::TypeMismatch,
                    "Thermocouple position on octahedron edge: \"5 mm\" is not a number. Use a "
                    "number such as 14 or 2.5.",
                    Box::txtTCEdgePosition},
        HandlerCase{NAMED("CubeSizeMarkupAndNewline"),
                    {{Box::txtCubeSize, "<b>1</b>\n"}},
                    &H::cmdPaperAndTape_Click,
                    Fault::TypeMismatch,
                    "Cube size: \"<b>1</b> \" is not a number. Use a number such as 14 or 2.5.",
                    Box::txtCubeSize},
        HandlerCase{NAMED("TapeThicknessBlank"),
                    {{Box::txtTapeThickness, "   "}},
                    &H::cmdPaperAndTape_Click,
                    Fault::TypeMismatch,
                    "Tape thickness is empty. Use a number such as 14 or 2.5.",
                    Box::txtTapeThickness},
        HandlerCase{
            NAMED("RamDiameterNegativeBeyondFloat"),
            {{Box::txtRamDiameter, "-1e40"}},
            &H::cmdRam_Click,
            Fault::Overflow,
            "Ram diameter: \"-1e40\" is too large a number. Use a number such as 14 or 2.5.",
            Box::txtRamDiameter},
        HandlerCase{NAMED("OilPressureCommaUnderPoint"),
                    {{Box::txtOilPressure, "1,5"}},
                    &H::cmdRam_Click,
                    Fault::TypeMismatch,
                    "Oil pressure: \"1,5\" is not a number. Use a number such as 14 or 2.5.",
                    Box::txtOilPressure},
        // 1e38 in is beyond the float range in millimetres: stored as an infinity, then reported.
        HandlerCase{
            NAMED("OelInInchesBeyondFloatInMillimetres"),
            {{Box::txtOEL, "1e38"}},
            &H::cmdCalc_Click,
            Fault::Overflow,
            "Octahedron edge length (OEL): \"1e38\" is too large a number. Use a number such "
            "as 14 or 2.5.",
            Box::txtOEL,
            ".",
            true}),
    [](const auto& info) { return info.param.name; });

// The procedures' faults as the buttons reach them. GasketCalc, OuterCalc, HoleCalc and PaperCalc
// divide only by constants; their division by zero is impossible (see ProcedureFault).
INSTANTIATE_TEST_SUITE_P(
    Calculation, HandlerFault,
    testing::Values(
        HandlerCase{NAMED("GasketCalcOverflow"),
                    {{Box::txtOEL, "1e20"}},
                    &H::cmdCalc_Click,
                    Fault::Overflow,
                    "While computing Octahedron volume. Change an input of section 1.",
                    Box::txtOEL},
        HandlerCase{NAMED("OuterCalcOverflow"),
                    {{Box::txtGasketWidth, "3e38"}},
                    &H::cmdOuterCalc_Click,
                    Fault::Overflow,
                    "While computing Gasket outer short edge. Change an input of section 2.",
                    Box::txtGasketWidth},
        HandlerCase{NAMED("HoleCalcOverflow"),
                    {{Box::txtHoleDiameter, "1e20"}},
                    &H::cmdHole_Click,
                    Fault::Overflow,
                    "While computing Hole volume. Change an input of section 3.",
                    Box::txtHoleDiameter},
        HandlerCase{NAMED("TCCalcOverflow"),
                    {{Box::txtTCEdgePosition, "3e38"}},
                    &H::cmdTCCalc_Click,
                    Fault::Overflow,
                    "While computing Spread angle. Change an input of section 4 or Octahedron edge "
                    "length (OEL).",
                    Box::txtTCCentralDepth},
        HandlerCase{"TCCalcDivisionByZero",
                    {{Box::txtOEL, "0"}},
                    &H::cmdCalc_Click,
                    {},
                    &H::cmdTCCalc_Click,
                    Fault::DivisionByZero,
                    "While computing Spread angle: Octahedron edge length (OEL) is 0. Change it in "
                    "section 1.",
                    Box::txtOEL},
        // 0 / 0 is an invalid operation, reported as "Overflow"; the zero divisor is still named.
        HandlerCase{"TCCalcZeroOverZero",
                    {{Box::txtOEL, "0"}},
                    &H::cmdCalc_Click,
                    {{Box::txtTCEdgePosition, "0"}},
                    &H::cmdTCCalc_Click,
                    Fault::Overflow,
                    "While computing Spread angle: Octahedron edge length (OEL) is 0. Change it in "
                    "section 1.",
                    Box::txtOEL},
        HandlerCase{NAMED("PaperCalcOverflow"),
                    {{Box::txtCubeSize, "3e38"}},
                    &H::cmdPaperAndTape_Click,
                    Fault::Overflow,
                    "While computing Paper width. Change an input of section 5.",
                    Box::txtCubeSize},
        HandlerCase{NAMED("PressureStepDivisionByZero"),
                    {{Box::txtTEL, "0"}},
                    &H::cmdCalc_Click,
                    Fault::DivisionByZero,
                    "While computing Theoretical pressure: Truncation edge length (TEL) is 0. "
                    "Change it in section 1.",
                    Box::txtTEL},
        HandlerCase{NAMED("PressureStepOverflow"),
                    {{Box::txtTEL, "1e-30"}},
                    &H::cmdCalc_Click,
                    Fault::Overflow,
                    "While computing Theoretical pressure. Change an input of the Pressure section "
                    "or Truncation edge length (TEL).",
                    Box::txtRamDiameter}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Display, HandlerFault,
    testing::Values(
        HandlerCase{NAMED("HoleVolumeBeyondItsBox"),
                    {{Box::txtHoleDiameter, "1e5"}},
                    &H::cmdHole_Click,
                    Fault::Overflow,
                    "Hole volume: 8.98e+10 mm\u00b3 is more than the box can show. Change an input "
                    "of section 3.",
                    Box::txtHoleDiameter},
        HandlerCase{NAMED("HoleVolumeUnderComma"),
                    {{Box::txtHoleDiameter, "1e5"}},
                    &H::cmdHole_Click,
                    Fault::Overflow,
                    "Hole volume: 8,98e+10 mm\u00b3 is more than the box can show. Change an input "
                    "of section 3.",
                    Box::txtHoleDiameter,
                    ","},
        HandlerCase{NAMED("RamDiameterBeyondItsOwnBox"),
                    {{Box::txtRamDiameter, "1e30"}},
                    &H::cmdRam_Click,
                    Fault::Overflow,
                    "Ram diameter: 1e+30 mm is more than the box can show. Change it.",
                    Box::txtRamDiameter},
        HandlerCase{NAMED("GasketThicknessInInches"),
                    {{Box::txtOEL, "1e8"}},
                    &H::cmdCalc_Click,
                    Fault::Overflow,
                    "Gasket thickness: 4.71e+07 in is more than the box can show. Change an input "
                    "of section 1.",
                    Box::txtOEL,
                    ".",
                    true}),
    [](const auto& info) { return info.param.name; });
#undef NAMED

// Stored values the buttons cannot produce, straight into a procedure: what happens where a
// procedure divides only by constants, and which stored value a report names.
struct ProcedureCase {
  const char* name;
  Fault (*procedure)(CalcState&, FaultSite&);
  Fault (*plain)(CalcState&);
  CalcState state;
  Fault fault;
  const char* informative;  // nullptr where the procedure does not fault
  Box focus;
};

class ProcedureFault : public testing::TestWithParam<ProcedureCase> {};

TEST_P(ProcedureFault, NamesTheValueItStartedFrom) {
  const ProcedureCase& c = GetParam();
  CalcState located = c.state;
  CalcState plain = c.state;
  FaultSite site;
  const Fault fault = c.procedure(located, site);
  EXPECT_EQ(fault, c.fault);
  // Telling where changes nothing that is stored or returned.
  EXPECT_EQ(c.plain(plain), fault);
  EXPECT_EQ(std::memcmp(&located, &plain, sizeof(CalcState)), 0);
  if (c.informative == nullptr) return;
  const FaultDetail detail = DescribeFault(fault, CalculationLocation(site, located), ".");
  EXPECT_EQ(detail.informative, c.informative);
  EXPECT_EQ(detail.focus, c.focus);
}

CalcState With(std::initializer_list<std::pair<Field, float>> fields) {
  CalcState s;
  for (const auto& [field, value] : fields) s.*field = value;
  return s;
}

using S = CalcState;

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ProcedureFault,
    testing::Values(
        ProcedureCase{"GasketCalcAllZeroCannotDivide", GasketCalc, GasketCalc, With({}),
                      Fault::None, nullptr, Box::txtOEL},
        ProcedureCase{"GasketCalcInfiniteOel", GasketCalc, GasketCalc,
                      With({{&S::OEL, kInf}, {&S::TEL, kInf}}), Fault::Overflow,
                      "While computing Gasket thickness: Octahedron edge length (OEL) is infinite. "
                      "Change it in section 1.",
                      Box::txtOEL},
        ProcedureCase{"OuterCalcAllZeroCannotDivide", OuterCalc, OuterCalc, With({}), Fault::None,
                      nullptr, Box::txtOEL},
        ProcedureCase{
            "OuterCalcInfiniteInnerEdges", OuterCalc, OuterCalc,
            With({{&S::GasketWidth, 5}, {&S::InnerShortEdge, kInf}, {&S::InnerLongEdge, kInf}}),
            Fault::Overflow,
            "While computing Total gasket volume: Gasket inner short edge is infinite. "
            "Change an input of section 1.",
            Box::txtOEL},
        ProcedureCase{"HoleCalcAllZeroCannotDivide", HoleCalc, HoleCalc, With({}), Fault::None,
                      nullptr, Box::txtOEL},
        ProcedureCase{"HoleCalcInfiniteHoleLength", HoleCalc, HoleCalc,
                      With({{&S::HoleLength, kInf}}), Fault::Overflow,
                      "While computing Hole volume: Hole length is infinite. Change an input of "
                      "section 1.",
                      Box::txtOEL},
        ProcedureCase{"PaperCalcAllZeroCannotDivide", PaperCalc, PaperCalc, With({}), Fault::None,
                      nullptr, Box::txtOEL},
        ProcedureCase{"PaperCalcInfiniteThicknessAndTape", PaperCalc, PaperCalc,
                      With({{&S::GasketThickness, kInf}, {&S::TapeThickness, kInf}}),
                      Fault::Overflow,
                      "While computing Modified gasket thickness: Gasket thickness is infinite. "
                      "Change an input of section 1.",
                      Box::txtOEL},
        // The refresh shows the ram diameter and oil pressure before the force step, so values
        // large enough to overflow it fault at their own boxes first.
        ProcedureCase{"ForceStepOverflow", ForceStep, ForceStep,
                      With({{&S::RamDiameter, 1e30f}, {&S::OilPressure, 1e10f}}), Fault::Overflow,
                      "While computing Force. Change an input of the Pressure section.",
                      Box::txtRamDiameter},
        ProcedureCase{"ForceStepAllZeroCannotDivide", ForceStep, ForceStep, With({}), Fault::None,
                      nullptr, Box::txtOEL},
        ProcedureCase{"AllCalcStopsInTheTrench", All_Calc, All_Calc,
                      With({{&S::TCEdgePosition, 2}}), Fault::DivisionByZero,
                      "While computing Spread angle: Octahedron edge length (OEL) is 0. Change it "
                      "in section 1.",
                      Box::txtOEL}),
    [](const auto& info) { return info.param.name; });

// A run without a fault forgets the place of the one before, so no stale place is reported.
TEST(LastFaultLocation, ClearedByARunWithoutFault) {
  CalcState s;
  TextView view;
  Handlers handlers(s, view);
  view.Attach(&handlers);
  ASSERT_EQ(handlers.Form_Load(), Fault::None);
  EXPECT_EQ(handlers.LastFaultLocation().place, FaultPlace::None);
  view.SetBoxText(Box::txtOEL, "abc");
  ASSERT_EQ(handlers.cmdCalc_Click(), Fault::TypeMismatch);
  EXPECT_EQ(handlers.LastFaultLocation().place, FaultPlace::Reading);
  ASSERT_EQ(handlers.cmdHole_Click(), Fault::None);
  EXPECT_EQ(handlers.LastFaultLocation().place, FaultPlace::None);
  EXPECT_EQ(DescribeFault(Fault::Overflow, handlers.LastFaultLocation(), ".").has_focus, false);
}

}  // namespace
}  // namespace ostrel
