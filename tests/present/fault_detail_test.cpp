// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Where each kind of fault is found and what its report adds: every input box unreadable, each
// procedure's overflow and division by zero (or what happens where it cannot divide by zero),
// the force and pressure steps, and boxes the refresh cannot show.

#include "present/fault_detail.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "core/calc.h"
#include "present/handlers.h"
#include "present/text_view.h"

namespace ostrel {
namespace {

using H = Handlers;

// One text typed into the window as it opens, then a Calc button.
struct HandlerCase {
  const char* name;
  Box box;
  const char* typed;
  Fault (Handlers::*click)();
  Fault fault;
  Box focus;
  const char* informative;
  const char* separator = ".";
  bool inches = false;
  bool zero_oel = false;  // stored first, as cmdCalc with "0" in txtOEL leaves it
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
  if (c.zero_oel) s.OEL = 0;
  view.SetBoxText(c.box, c.typed);
  EXPECT_EQ((handlers.*c.click)(), c.fault);
  const FaultDetail detail = DescribeFault(c.fault, handlers.LastFaultLocation(), c.separator);
  EXPECT_EQ(detail.informative, c.informative);
  EXPECT_TRUE(detail.has_focus);
  EXPECT_EQ(detail.focus, c.focus);
}

// GasketCalc, OuterCalc, HoleCalc, PaperCalc and ForceStep divide only by constants; what zeros do
// to them is in ProcedureFault. ForceStep cannot overflow from the window: the refresh shows the
// ram diameter and oil pressure first, and values that large fault at their own boxes.
INSTANTIATE_TEST_SUITE_P(
    EveryFaultSource, HandlerFault,
    testing::Values(
        HandlerCase{"OelLetters", Box::txtOEL, "abc", &H::cmdCalc_Click, Fault::TypeMismatch,
                    Box::txtOEL,
                    "Octahedron edge length (OEL): \"abc\" is not a number. Use a number such as "
                    "14 or 2.5."},
        HandlerCase{"TelPointUnderComma", Box::txtTEL, "2.5", &H::cmdCalc_Click,
                    Fault::TypeMismatch, Box::txtTEL,
                    "Truncation edge length (TEL): \"2.5\" is not a number. Use a number such as "
                    "14 or 2,5.",
                    ","},
        HandlerCase{"GasketWidthEmpty", Box::txtGasketWidth, "", &H::cmdOuterCalc_Click,
                    Fault::TypeMismatch, Box::txtGasketWidth,
                    "Gasket width is empty. Use a number such as 14 or 2.5."},
        HandlerCase{"HoleDiameterBeyondFloat", Box::txtHoleDiameter, "1e39", &H::cmdHole_Click,
                    Fault::Overflow, Box::txtHoleDiameter,
                    "Hole diameter: \"1e39\" is too large a number. Use a number such as 14 or "
                    "2.5."},
        HandlerCase{"CentralDepthShortened", Box::txtTCCentralDepth,
                    "0123456789abcdefghij0123456789abcdefghij0123456789", &H::cmdTCCalc_Click,
                    Fault::TypeMismatch, Box::txtTCCentralDepth,
                    "Thermocouple central depth: \"0123456789abcdefghij0123456789abcdefghi\u2026\" "
                    "is not a number. Use a number such as 14 or 2.5."},
        HandlerCase{"EdgePositionWithUnit", Box::txtTCEdgePosition, "5 mm", &H::cmdTCCalc_Click,
                    Fault::TypeMismatch, Box::txtTCEdgePosition,
                    "Thermocouple position on octahedron edge: \"5 mm\" is not a number. Use a "
                    "number such as 14 or 2.5."},
        HandlerCase{"CubeSizeNewline", Box::txtCubeSize, "<b>1</b>\n", &H::cmdPaperAndTape_Click,
                    Fault::TypeMismatch, Box::txtCubeSize,
                    "Cube size: \"<b>1</b> \" is not a number. Use a number such as 14 or 2.5."},
        HandlerCase{"TapeThicknessBlank", Box::txtTapeThickness, "   ", &H::cmdPaperAndTape_Click,
                    Fault::TypeMismatch, Box::txtTapeThickness,
                    "Tape thickness is empty. Use a number such as 14 or 2.5."},
        HandlerCase{"RamDiameterBeyondFloat", Box::txtRamDiameter, "-1e40", &H::cmdRam_Click,
                    Fault::Overflow, Box::txtRamDiameter,
                    "Ram diameter: \"-1e40\" is too large a number. Use a number such as 14 or "
                    "2.5."},
        HandlerCase{"OilPressureComma", Box::txtOilPressure, "1,5", &H::cmdRam_Click,
                    Fault::TypeMismatch, Box::txtOilPressure,
                    "Oil pressure: \"1,5\" is not a number. Use a number such as 14 or 2.5."},
        // Read, but beyond the float range in millimetres: stored as an infinity, then reported.
        HandlerCase{"OelInInches", Box::txtOEL, "1e38", &H::cmdCalc_Click, Fault::Overflow,
                    Box::txtOEL,
                    "Octahedron edge length (OEL): \"1e38\" is too large a number. Use a number "
                    "such as 14 or 2.5.",
                    ".", true},
        HandlerCase{"GasketCalcOverflow", Box::txtOEL, "1e20", &H::cmdCalc_Click, Fault::Overflow,
                    Box::txtOEL,
                    "While computing Octahedron volume. Change an input of section 1."},
        HandlerCase{"OuterCalcOverflow", Box::txtGasketWidth, "3e38", &H::cmdOuterCalc_Click,
                    Fault::Overflow, Box::txtGasketWidth,
                    "While computing Gasket outer short edge. Change an input of section 2."},
        HandlerCase{"HoleCalcOverflow", Box::txtHoleDiameter, "1e20", &H::cmdHole_Click,
                    Fault::Overflow, Box::txtHoleDiameter,
                    "While computing Hole volume. Change an input of section 3."},
        HandlerCase{"TCCalcOverflow", Box::txtTCEdgePosition, "3e38", &H::cmdTCCalc_Click,
                    Fault::Overflow, Box::txtTCCentralDepth,
                    "While computing Spread angle. Change an input of section 4 or Octahedron edge "
                    "length (OEL)."},
        HandlerCase{"TCCalcDivisionByZero", Box::txtTCEdgePosition, "2", &H::cmdTCCalc_Click,
                    Fault::DivisionByZero, Box::txtOEL,
                    "While computing Spread angle: Octahedron edge length (OEL) is 0. Change it in "
                    "section 1.",
                    ".", false, true},
        HandlerCase{"PaperCalcOverflow", Box::txtCubeSize, "3e38", &H::cmdPaperAndTape_Click,
                    Fault::Overflow, Box::txtCubeSize,
                    "While computing Paper width. Change an input of section 5."},
        HandlerCase{"PressureStepDivisionByZero", Box::txtTEL, "0", &H::cmdCalc_Click,
                    Fault::DivisionByZero, Box::txtTEL,
                    "While computing Theoretical pressure: Truncation edge length (TEL) is 0. "
                    "Change it in section 1."},
        HandlerCase{"PressureStepOverflow", Box::txtTEL, "1e-30", &H::cmdCalc_Click,
                    Fault::Overflow, Box::txtRamDiameter,
                    "While computing Theoretical pressure. Change an input of the Pressure section "
                    "or Truncation edge length (TEL)."},
        HandlerCase{"HoleVolumeBeyondItsBox", Box::txtHoleDiameter, "1e5", &H::cmdHole_Click,
                    Fault::Overflow, Box::txtHoleDiameter,
                    "Hole volume: 8,98e+10 mm\u00b3 is more than the box can show. Change an input "
                    "of section 3.",
                    ","},
        HandlerCase{"RamDiameterBeyondItsOwnBox", Box::txtRamDiameter, "1e30", &H::cmdRam_Click,
                    Fault::Overflow, Box::txtRamDiameter,
                    "Ram diameter: 1e+30 mm is more than the box can show. Change it."}),
    [](const auto& info) { return info.param.name; });

// Stored values the window cannot produce, straight into a procedure.
struct ProcedureCase {
  const char* name;
  Fault (*located)(CalcState&, FaultSite&);
  Fault (*plain)(CalcState&);
  Field fields[2];  // set to value; everything else zero
  float value;
  Fault fault;
  Box focus;
  const char* informative;  // where it faults
};

class ProcedureFault : public testing::TestWithParam<ProcedureCase> {};

TEST_P(ProcedureFault, NamesTheValueItStartedFrom) {
  const ProcedureCase& c = GetParam();
  CalcState located;
  for (const Field field : c.fields) {
    if (field != nullptr) located.*field = c.value;
  }
  CalcState plain = located;
  FaultSite site;
  EXPECT_EQ(c.located(located, site), c.fault);
  // Telling where changes nothing that is stored or returned.
  EXPECT_EQ(c.plain(plain), c.fault);
  EXPECT_EQ(std::memcmp(&located, &plain, sizeof(CalcState)), 0);
  if (c.fault == Fault::None) return;
  const FaultDetail detail = DescribeFault(c.fault, CalculationLocation(site, located), ".");
  EXPECT_EQ(detail.informative, c.informative);
  EXPECT_EQ(detail.focus, c.focus);
}

using S = CalcState;
constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ProcedureFault,
    testing::Values(
        ProcedureCase{"GasketCalcZerosCannotDivide",
                      GasketCalc,
                      GasketCalc,
                      {&S::OEL},
                      0,
                      Fault::None,
                      Box::txtOEL,
                      nullptr},
        ProcedureCase{"OuterCalcZerosCannotDivide",
                      OuterCalc,
                      OuterCalc,
                      {&S::GasketWidth},
                      0,
                      Fault::None,
                      Box::txtOEL,
                      nullptr},
        ProcedureCase{"HoleCalcZerosCannotDivide",
                      HoleCalc,
                      HoleCalc,
                      {&S::HoleDiameter},
                      0,
                      Fault::None,
                      Box::txtOEL,
                      nullptr},
        ProcedureCase{"PaperCalcZerosCannotDivide",
                      PaperCalc,
                      PaperCalc,
                      {&S::CubeSize},
                      0,
                      Fault::None,
                      Box::txtOEL,
                      nullptr},
        ProcedureCase{"ForceStepZerosCannotDivide",
                      ForceStep,
                      ForceStep,
                      {&S::RamDiameter},
                      0,
                      Fault::None,
                      Box::txtOEL,
                      nullptr},
        ProcedureCase{"GasketCalcInfiniteOel",
                      GasketCalc,
                      GasketCalc,
                      {&S::OEL, &S::TEL},
                      kInf,
                      Fault::Overflow,
                      Box::txtOEL,
                      "While computing Gasket thickness: Octahedron edge length (OEL) is infinite. "
                      "Change it in section 1."},
        ProcedureCase{"HoleCalcInfiniteHoleLength",
                      HoleCalc,
                      HoleCalc,
                      {&S::HoleLength},
                      kInf,
                      Fault::Overflow,
                      Box::txtOEL,
                      "While computing Hole volume: Hole length is infinite. Change an input of "
                      "section 1."},
        ProcedureCase{"ForceStepOverflow",
                      ForceStep,
                      ForceStep,
                      {&S::RamDiameter, &S::OilPressure},
                      1e30f,
                      Fault::Overflow,
                      Box::txtRamDiameter,
                      "While computing Force. Change an input of the Pressure section."},
        ProcedureCase{"AllCalcStopsInTheTrench",
                      All_Calc,
                      All_Calc,
                      {&S::TCEdgePosition},
                      2,
                      Fault::DivisionByZero,
                      Box::txtOEL,
                      "While computing Spread angle: Octahedron edge length (OEL) is 0. Change it "
                      "in section 1."}),
    [](const auto& info) { return info.param.name; });

// A run without a fault forgets the place of the one before, so no stale place is reported.
TEST(LastFaultLocation, ClearedByARunWithoutFault) {
  CalcState s;
  TextView view;
  Handlers handlers(s, view);
  view.Attach(&handlers);
  ASSERT_EQ(handlers.Form_Load(), Fault::None);
  view.SetBoxText(Box::txtOEL, "abc");
  ASSERT_EQ(handlers.cmdCalc_Click(), Fault::TypeMismatch);
  EXPECT_EQ(handlers.LastFaultLocation().place, FaultPlace::Reading);
  ASSERT_EQ(handlers.cmdHole_Click(), Fault::None);
  EXPECT_FALSE(DescribeFault(Fault::Overflow, handlers.LastFaultLocation(), ".").has_focus);
}

std::string Times(const std::string& piece, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += piece;
  return text;
}

// The typed text a report quotes: 40 characters at most (a longer one keeps 39 and an ellipsis),
// a character counted once however many bytes it takes, control characters and DEL as blanks.
TEST(FaultReportQuote, AtMost40CharactersOnOneLine) {
  const std::string e = "\xC3\xA9";            // U+00E9, two bytes
  const std::string gem = "\xF0\x9F\x92\x8E";  // U+1F48E, four bytes
  struct Case {
    const char* name;
    std::string typed;
    std::string quoted;
  };
  const Case cases[] = {
      {"Letters40", std::string(40, 'x'), std::string(40, 'x')},
      {"Letters41", std::string(41, 'x'), std::string(39, 'x') + "\u2026"},
      {"TwoByteCharacters40", Times(e, 40), Times(e, 40)},
      {"TwoByteCharacters41", Times(e, 41), Times(e, 39) + "\u2026"},
      {"FourByteCharacters40", Times(gem, 40), Times(gem, 40)},
      {"FourByteCharacters41", Times(gem, 41), Times(gem, 39) + "\u2026"},
      {"ControlCharactersAndDelete",
       "1\t2\r3\x7f"
       "4\x01",
       "1 2 3 4 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FaultLocation where;
    where.place = FaultPlace::Reading;
    where.box = Box::txtCubeSize;
    where.text = c.typed;
    EXPECT_EQ(DescribeFault(Fault::TypeMismatch, where, ".").informative,
              "Cube size: \"" + c.quoted + "\" is not a number. Use a number such as 14 or 2.5.");
  }
}

}  // namespace
}  // namespace ostrel
