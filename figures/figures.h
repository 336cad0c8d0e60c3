// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "core/calc_state.h"
#include "figures/figure.h"

namespace ostrel::figures {

// One octahedron face (an equilateral triangle of edge OEL, a corner pointing up, its centroid
// at the origin) on its cube's truncation (edge TEL, same centroid and orientation), and the
// assembly hole at the centroid. Dimensions: TEL and OEL below, the hole's diameter across it.
// Flaw: a hole wider than the face's inscribed circle.
Figure FaceView(const CalcState& s);

// Two neighbouring cubes seen along an octahedron edge, their faces GasketThickness apart
// (y = ±GasketThickness/2), the octahedron's edge at (OEL/2, 0) between them, the gasket filling
// the gap out to GasketWidth beyond the edge, and the tape on the upper cube's face. Dimensions:
// the gap, the ModifiedGasketThickness that remains and the tape. Flaw: tape thicker than the
// gap.
Figure GapSection(const CalcState& s);

// The two gasket strips in plan, side by side, each a trapezoid of width GasketWidth with its
// inner edge on top: the short strip (InnerShortEdge to OuterShortEdge) on the left, the long
// strip (InnerLongEdge to OuterLongEdge) on the right.
Figure GasketStrips(const CalcState& s);

}  // namespace ostrel::figures
