// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "core/calc_state.h"
#include "present/view.h"

namespace ostrel::cli {

// The stored float behind each box, in Box order: what --exact prints instead of the box's text.
struct BoxField {
  Box box;
  float CalcState::*field;
};

inline constexpr BoxField kBoxFields[kBoxCount] = {
    {Box::txtOEL, &CalcState::OEL},
    {Box::txtTEL, &CalcState::TEL},
    {Box::txtGasketWidth, &CalcState::GasketWidth},
    {Box::txtHoleDiameter, &CalcState::HoleDiameter},
    {Box::txtTCCentralDepth, &CalcState::TCCentralDepth},
    {Box::txtTCEdgePosition, &CalcState::TCEdgePosition},
    {Box::txtCubeSize, &CalcState::CubeSize},
    {Box::txtTapeThickness, &CalcState::TapeThickness},
    {Box::txtGasketThickness, &CalcState::GasketThickness},
    {Box::txtInnerShortEdge, &CalcState::InnerShortEdge},
    {Box::txtInnerLongEdge, &CalcState::InnerLongEdge},
    {Box::txtOctahedronVolume, &CalcState::OctahedronVolume},
    {Box::txtHoleLength, &CalcState::HoleLength},
    {Box::txtOctahedronWaist, &CalcState::OctahedronWaist},
    {Box::txtOuterShortEdge, &CalcState::OuterShortEdge},
    {Box::txtOuterLongEdge, &CalcState::OuterLongEdge},
    {Box::txtGasketVolume, &CalcState::GasketVolume},
    {Box::txtHoleVolume, &CalcState::HoleVolume},
    {Box::txtSpreadAngle, &CalcState::SpreadAngle},
    {Box::txtRakeAngle, &CalcState::RakeAngle},
    {Box::txtPaperHole, &CalcState::PaperHole},
    {Box::txtPaperWidth, &CalcState::PaperWidth},
    {Box::txtModifiedGasketThickness, &CalcState::ModifiedGasketThickness},
    {Box::txtRamDiameter, &CalcState::RamDiameter},
    {Box::txtOilPressure, &CalcState::OilPressure},
    {Box::txtForce, &CalcState::Force},
    {Box::txtTheoreticalPressure, &CalcState::TheoreticalPressure},
};

constexpr bool BoxFieldsInBoxOrder() {
  for (int i = 0; i < kBoxCount; ++i) {
    if (kBoxFields[i].box != static_cast<Box>(i)) return false;
  }
  return true;
}
static_assert(BoxFieldsInBoxOrder(), "kBoxFields lists the boxes in Box order");

}  // namespace ostrel::cli
