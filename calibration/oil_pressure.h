// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "calibration/curve.h"

namespace ostrel {

// The oil pressure (MPa, as CalcState::OilPressure) that gives a force (kN) on a ram of the given
// diameter (mm): the calculator's force step inverted in double, with the same pi, and rounded
// to the float that the force step itself takes back to the force most nearly (exactly, wherever
// a float does). A force or ram diameter that is not a finite positive number, or an oil
// pressure beyond the float range or below its smallest positive value, gives the reason instead.
CurveValue OilPressureFor(float force, float ram_diameter);

}  // namespace ostrel
