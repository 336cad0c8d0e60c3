// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

// Ostrel's calculation core.
//
// Data flow: the window stores typed inputs into CalcState (internal units: mm, mm^3, MPa,
// kN, GPa, degrees) -> a calculation procedure (GasketCalc, OuterCalc, HoleCalc, TCCalc,
// PaperCalc, or All_Calc for all five) derives the dependent fields -> the refresh in
// present/ renders every field into its box, running the force and pressure steps on the way.
//
// Every field is a 32-bit float. Formulas are evaluated in double from those floats and
// rounded to float only where a result is stored; a later step uses the rounded value.

namespace ostrel {

struct CalcState {
  float VecA[3] = {0, 0, 0};
  float VecB[3] = {0, 0, 0};
  float DistFactor = 0;   // display length unit per mm
  float OilFactor = 0;    // display pressure unit per MPa
  float ForceFactor = 0;  // display force unit per kN
  float OEL = 0;
  float TEL = 0;
  float GasketThickness = 0;
  float OctahedronWaist = 0;
  float InnerLongEdge = 0;
  float OctahedronVolume = 0;
  float GasketWidth = 0;
  float OuterShortEdge = 0;
  float OuterLongEdge = 0;
  float GasketVolume = 0;
  float InnerShortEdge = 0;
  float HoleDiameter = 0;
  float HoleLength = 0;
  float HoleVolume = 0;
  float OilPressure = 0;
  float RamDiameter = 0;
  float Force = 0;
  float TheoreticalPressure = 0;
  float TCCentralDepth = 0;
  float TCEdgePosition = 0;
  float RakeAngle = 0;
  float SpreadAngle = 0;
  float CubeSize = 0;
  float TapeThickness = 0;
  float ModifiedGasketThickness = 0;
  float PaperWidth = 0;
  float PaperHole = 0;
};

// Stores the design the calculator opens with (step 1 of the load handler): a 14 mm
// octahedron on 8 mm truncations, 5 mm gaskets, a 5.6 mm hole, the thermocouple 2 mm along
// the edge and 0.5 mm deep, 25.4 mm cubes and no tape. Touches no other field.
void StoreStartupDesign(CalcState& s);

// Step 5 of the load handler: ram diameter 431.8 mm and oil pressure 6.897 MPa.
void StoreStartupPress(CalcState& s);

}  // namespace ostrel
