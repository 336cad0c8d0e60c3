// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "present/handlers.h"
#include "present/view.h"
#include "tests/support/fake_view.h"

// The worked designs of the calculator's documentation, each typed into the start-up window as
// a user would (millimetres and psi selected) with every Calc button pressed, then shown in
// every unit selection: what each box has to show.
namespace ostrel::test_support {

struct Typed {
  Box box;
  const char* text;
};

struct WorkedDesign {
  const char* name;
  std::vector<Typed> typed;
  int preset = -1;  // a press preset pressed afterwards, or -1
};

inline const std::vector<WorkedDesign>& WorkedDesigns() {
  static const std::vector<WorkedDesign> designs = {
      {"start-up", {}},
      {"zero gasket width", {{Box::txtGasketWidth, "0"}}},
      {"OEL equal to TEL", {{Box::txtTEL, "14"}}},
      {"TEL above OEL", {{Box::txtOEL, "8"}, {Box::txtTEL, "14"}}},
      {"all inputs zero",
       {{Box::txtOEL, "0"},
        {Box::txtTEL, "0"},
        {Box::txtGasketWidth, "0"},
        {Box::txtHoleDiameter, "0"},
        {Box::txtTCCentralDepth, "0"},
        {Box::txtTCEdgePosition, "0"},
        {Box::txtCubeSize, "0"},
        {Box::txtTapeThickness, "0"}}},
      {"negative OEL", {{Box::txtOEL, "-14"}}},
      {"hole diameter 0", {{Box::txtHoleDiameter, "0"}}},
      {"negative hole diameter", {{Box::txtHoleDiameter, "-5.6"}}},
      {"OEL 10, TEL 4", {{Box::txtOEL, "10"}, {Box::txtTEL, "4"}}},
      {"tape 0.1", {{Box::txtTapeThickness, "0.1"}}},
      {"tape 3", {{Box::txtTapeThickness, "3"}}},
      {"OEL 18, TEL 11", {{Box::txtOEL, "18"}, {Box::txtTEL, "11"}}},
      {"thermocouple at 0", {{Box::txtTCEdgePosition, "0"}}},
      {"thermocouple at 0, depth 0",
       {{Box::txtTCEdgePosition, "0"}, {Box::txtTCCentralDepth, "0"}}},
      {"thermocouple at 6.9", {{Box::txtTCEdgePosition, "6.9"}}},
      {"thermocouple at 7", {{Box::txtTCEdgePosition, "7"}}},
      {"thermocouple at 7.1", {{Box::txtTCEdgePosition, "7.1"}}},
      {"thermocouple at 10", {{Box::txtTCEdgePosition, "10"}}},
      {"thermocouple at 14", {{Box::txtTCEdgePosition, "14"}}},
      {"thermocouple at 21", {{Box::txtTCEdgePosition, "21"}}},
      {"thermocouple at -7", {{Box::txtTCEdgePosition, "-7"}}},
      {"depth 1.633", {{Box::txtTCCentralDepth, "1.633"}}},
      {"depth 0", {{Box::txtTCCentralDepth, "0"}}},
      {"depth -0.5", {{Box::txtTCCentralDepth, "-0.5"}}},
      {"preset 1", {}, 1},
      {"preset 3", {}, 3},
      {"TEL 4", {{Box::txtTEL, "4"}}},
      {"negative oil pressure", {{Box::txtOilPressure, "-1000"}}},
      {"ram diameter 431.125", {{Box::txtRamDiameter, "431.125"}}},
      {"ram diameter 431.375", {{Box::txtRamDiameter, "431.375"}}},
      {"OEL 5, TEL 2, width 6.03",
       {{Box::txtOEL, "5"}, {Box::txtTEL, "2"}, {Box::txtGasketWidth, "6.03"}}},
  };
  return designs;
}

// Every text each box shows, by box, over the worked designs in all 18 unit selections (faults
// included: a box keeps what it showed).
inline std::array<std::set<std::string>, kBoxCount> WorkedDesignTexts() {
  std::array<std::set<std::string>, kBoxCount> shown;
  const auto keep = [&shown](const FakeView& view) {
    for (int b = 0; b < kBoxCount; ++b) shown[b].insert(view.Text(static_cast<Box>(b)));
  };
  for (const WorkedDesign& design : WorkedDesigns()) {
    FakeWindow w;
    (void)w.handlers.Form_Load();
    for (const Typed& t : design.typed) w.view.Type(t.box, t.text);
    for (auto click :
         {&Handlers::cmdCalc_Click, &Handlers::cmdOuterCalc_Click, &Handlers::cmdHole_Click,
          &Handlers::cmdTCCalc_Click, &Handlers::cmdPaperAndTape_Click, &Handlers::cmdRam_Click}) {
      (void)(w.handlers.*click)();
    }
    if (design.preset >= 0)
      (void)w.handlers.cmdWhichPress_Click(static_cast<std::int16_t>(design.preset));
    keep(w.view);
    for (int distance = 0; distance < kGroupSize[0]; ++distance) {
      w.view.Click(Group::optDistanceUnits, distance);
      for (int oil = 0; oil < kGroupSize[1]; ++oil) {
        w.view.Click(Group::optOilPressureUnits, oil);
        for (int force = 0; force < kGroupSize[2]; ++force) {
          w.view.Click(Group::optForceUnits, force);
          keep(w.view);
        }
      }
    }
  }
  return shown;
}

}  // namespace ostrel::test_support
