// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "present/view.h"

namespace ostrel {

// The window's five numbered sections and its pressure column: each frame's caption and the
// boxes it holds, in the window's order. The window's frames and the design sheet both take their
// captions from here.
struct Section {
  const char* caption;
  int box_count;
  Box boxes[7];
};

inline constexpr int kSectionCount = 6;
inline constexpr Section kSections[kSectionCount] = {
    {"1. Octahedron and cubes, and dependent gasket dimensions.",
     7,
     {Box::txtOEL, Box::txtTEL, Box::txtGasketThickness, Box::txtInnerShortEdge,
      Box::txtOctahedronWaist, Box::txtInnerLongEdge, Box::txtOctahedronVolume}},
    {"2. Independent gasket dimensions.",
     4,
     {Box::txtGasketWidth, Box::txtOuterShortEdge, Box::txtOuterLongEdge, Box::txtGasketVolume}},
    {"3.  Assembly hole in octahedron.",
     3,
     {Box::txtHoleDiameter, Box::txtHoleLength, Box::txtHoleVolume}},
    {"4. Thermocouple trench angles for axial thermocouple",
     4,
     {Box::txtTCCentralDepth, Box::txtTCEdgePosition, Box::txtRakeAngle, Box::txtSpreadAngle}},
    {"5.  Paper and Tape",
     5,
     {Box::txtCubeSize, Box::txtTapeThickness, Box::txtModifiedGasketThickness, Box::txtPaperWidth,
      Box::txtPaperHole}},
    {"Pressure",
     4,
     {Box::txtRamDiameter, Box::txtOilPressure, Box::txtForce, Box::txtTheoreticalPressure}},
};

}  // namespace ostrel
