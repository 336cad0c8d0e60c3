// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "core/calc_state.h"

namespace ostrel {

void StoreStartupDesign(CalcState& s) {
  s.OEL = 14.0f;
  s.TEL = 8.0f;
  s.GasketWidth = 5.0f;
  s.HoleDiameter = 5.6f;
  s.TCCentralDepth = 0.5f;
  s.TCEdgePosition = 2.0f;
  s.CubeSize = 25.4f;
  s.TapeThickness = 0.0f;
}

void StoreStartupPress(CalcState& s) {
  s.RamDiameter = 431.8f;
  s.OilPressure = 6.897f;
}

}  // namespace ostrel
