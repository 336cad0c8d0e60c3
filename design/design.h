// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <array>
#include <vector>

#include "calibration/calibration_point.h"
#include "core/calc_state.h"
#include "present/view.h"

// A cell design as a document keeps it.
//
// Data flow: the window's CalcState and unit selections -> CurrentDesign -> a file (file/) or a
// comparison with the design as last opened or saved (the modified marker); a file -> Design ->
// OpenDesign, which runs the load handler's sequence with the design's values.
//
// Pure C++: no Qt.
namespace ostrel {

// The ten inputs a design is made of, in the order the open sequence stores them. The key is the
// design file's key and the command line's column name.
struct DesignInput {
  const char* key;
  float CalcState::*field;
  Box box;
};

inline constexpr int kDesignInputCount = 10;
inline constexpr DesignInput kDesignInputs[kDesignInputCount] = {
    {"OEL", &CalcState::OEL, Box::txtOEL},
    {"TEL", &CalcState::TEL, Box::txtTEL},
    {"GasketWidth", &CalcState::GasketWidth, Box::txtGasketWidth},
    {"HoleDiameter", &CalcState::HoleDiameter, Box::txtHoleDiameter},
    {"TCCentralDepth", &CalcState::TCCentralDepth, Box::txtTCCentralDepth},
    {"TCEdgePosition", &CalcState::TCEdgePosition, Box::txtTCEdgePosition},
    {"CubeSize", &CalcState::CubeSize, Box::txtCubeSize},
    {"TapeThickness", &CalcState::TapeThickness, Box::txtTapeThickness},
    {"RamDiameter", &CalcState::RamDiameter, Box::txtRamDiameter},
    {"OilPressure", &CalcState::OilPressure, Box::txtOilPressure},
};

// The selected option Index of each unit group; the captions are those of present/units.h.
struct DesignUnits {
  int length = 0;        // Millimeters
  int oil_pressure = 2;  // psi
  int force = 2;         // US tons

  bool operator==(const DesignUnits& o) const {
    return length == o.length && oil_pressure == o.oil_pressure && force == o.force;
  }
  bool operator!=(const DesignUnits& o) const { return !(*this == o); }
};

struct Design {
  std::array<float, kDesignInputCount> inputs{};  // internal units, in kDesignInputs order
  DesignUnits units;
  std::vector<CalibrationPoint> calibration;
};

// What the load handler stores and selects: the design the window opens with.
Design StartupDesign();

// The stored inputs and the selected units (the first selected option of each group, as the
// refresh reads them; a group without a selection keeps the start-up choice). The calibration is
// not part of the calculator's state and is left empty.
Design CurrentDesign(const CalcState& s, const View& view);

// Same inputs bit for bit (so -0 differs from 0 and a NaN equals the same NaN), same units and the
// same calibration points: what the modified marker compares.
bool SameDesign(const Design& a, const Design& b);

}  // namespace ostrel
