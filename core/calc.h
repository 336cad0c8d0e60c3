// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <cstdint>

#include "core/calc_state.h"
#include "core/fault.h"
#include "core/fault_site.h"

// The calculation procedures. Each works on the one CalcState, follows its fixed order of
// stores and checks, and returns Fault::None or the fault of the check that failed. A store
// happens before its check, so a faulting field holds the infinity or NaN it got; fields stored
// earlier keep their new values and later ones their old. Nothing is validated or rolled back.
//
// Each procedure that checks also comes with a FaultSite out-parameter, written by the check that
// fails (and left alone otherwise); with or without it the procedure stores and returns the same.
namespace ostrel {

// Section 1: InnerLongEdge, GasketThickness, InnerShortEdge, OctahedronVolume, HoleLength,
// OctahedronWaist from OEL and TEL.
[[nodiscard]] Fault GasketCalc(CalcState& s);
[[nodiscard]] Fault GasketCalc(CalcState& s, FaultSite& where);

// Section 2: OuterShortEdge, OuterLongEdge, GasketVolume from GasketWidth and the inner edges
// and thickness that GasketCalc last stored.
[[nodiscard]] Fault OuterCalc(CalcState& s);
[[nodiscard]] Fault OuterCalc(CalcState& s, FaultSite& where);

// Section 3: HoleVolume from HoleDiameter and HoleLength.
[[nodiscard]] Fault HoleCalc(CalcState& s);
[[nodiscard]] Fault HoleCalc(CalcState& s, FaultSite& where);

// Section 4: VecA, VecB, SpreadAngle, RakeAngle from TCEdgePosition, TCCentralDepth and OEL.
[[nodiscard]] Fault TCCalc(CalcState& s);
[[nodiscard]] Fault TCCalc(CalcState& s, FaultSite& where);

// The angle in degrees between VecA and VecB as they stand; serves TCCalc.
[[nodiscard]] Fault VecAngle(const CalcState& s, double& degrees);

// Arc cosine in radians from the arctangent, with a guard at each end of the range.
float Acos(float x);

// Section 5: PaperHole, PaperWidth, ModifiedGasketThickness.
[[nodiscard]] Fault PaperCalc(CalcState& s);
[[nodiscard]] Fault PaperCalc(CalcState& s, FaultSite& where);

// Runs GasketCalc, OuterCalc, HoleCalc, TCCalc and PaperCalc in that order, stopping at the
// first fault.
[[nodiscard]] Fault All_Calc(CalcState& s);
[[nodiscard]] Fault All_Calc(CalcState& s, FaultSite& where);

// The press steps, run by the refresh between two box writes. ForceStep stores Force (kN) from
// RamDiameter and OilPressure; PressureStep stores TheoreticalPressure (GPa) from Force and TEL.
[[nodiscard]] Fault ForceStep(CalcState& s);
[[nodiscard]] Fault ForceStep(CalcState& s, FaultSite& where);
[[nodiscard]] Fault PressureStep(CalcState& s);
[[nodiscard]] Fault PressureStep(CalcState& s, FaultSite& where);

// The ram diameters (mm) of the four presses, by the Index of their preset button.
inline constexpr int kPressPresetCount = 4;
inline constexpr float kPressPresets[kPressPresetCount] = {
    431.8011f,  // "Big Blue"
    457.2012f,  // "Red, Blue, Green"
    431.8011f,  // "Rockland"
    370.0f,     // "Sumitomo at Dorvik"
};

// cmdWhichPress_Click's store: the preset of button Index into RamDiameter; any other Index
// stores nothing. Cannot fault.
void StorePressPreset(CalcState& s, std::int16_t index);

}  // namespace ostrel
