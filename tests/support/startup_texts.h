// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <array>
#include <iterator>
#include <string>
#include <vector>

#include "present/view.h"

// What every box shows once the window has opened: the start-up design in millimetres, psi and
// US tons. The one copy for all tests, by box (write order) and by the box's widget name.
namespace ostrel::test_support {

struct StartupText {
  Box box;
  const char* name;
  const char* text;
};

// Total gasket volume is 6 x thickness x (inner long + inner short + 2 x width) x width:
// 6 x 2.8284271 x 34 x 5 = 2885 mm3.
inline constexpr StartupText kStartupTexts[kBoxCount] = {
    {Box::txtOEL, "txtOEL", "14"},
    {Box::txtTEL, "txtTEL", "8"},
    {Box::txtGasketWidth, "txtGasketWidth", "5"},
    {Box::txtHoleDiameter, "txtHoleDiameter", "5.6"},
    {Box::txtTCCentralDepth, "txtTCCentralDepth", "0.5"},
    {Box::txtTCEdgePosition, "txtTCEdgePosition", "2"},
    {Box::txtCubeSize, "txtCubeSize", "25.4"},
    {Box::txtTapeThickness, "txtTapeThickness", "0"},
    {Box::txtGasketThickness, "txtGasketThickness", "2.83"},
    {Box::txtInnerShortEdge, "txtInnerShortEdge", "10"},
    {Box::txtInnerLongEdge, "txtInnerLongEdge", "14"},
    {Box::txtOctahedronVolume, "txtOctahedronVolume", "1293.53"},
    {Box::txtHoleLength, "txtHoleLength", "11.43"},
    {Box::txtOctahedronWaist, "txtOctahedronWaist", "1"},
    {Box::txtOuterShortEdge, "txtOuterShortEdge", "20"},
    {Box::txtOuterLongEdge, "txtOuterLongEdge", "24"},
    {Box::txtGasketVolume, "txtGasketVolume", "2885"},
    {Box::txtHoleVolume, "txtHoleVolume", "281.55"},
    {Box::txtSpreadAngle, "txtSpreadAngle", "135.18"},
    {Box::txtRakeAngle, "txtRakeAngle", "8.51"},
    {Box::txtPaperHole, "txtPaperHole", "20"},
    {Box::txtPaperWidth, "txtPaperWidth", "50.8"},
    {Box::txtModifiedGasketThickness, "txtModifiedGasketThickness", "2.83"},
    {Box::txtRamDiameter, "txtRamDiameter", "431.8"},
    {Box::txtOilPressure, "txtOilPressure", "1000"},
    {Box::txtForce, "txtForce", "113.5"},
    {Box::txtTheoreticalPressure, "txtTheoreticalPressure", "9.1"},
};

// The boxes' texts in write order.
using Texts = std::array<const char*, kBoxCount>;

constexpr Texts StartupTextsInWriteOrder() {
  Texts texts{};
  for (const StartupText& t : kStartupTexts) texts[static_cast<int>(t.box)] = t.text;
  return texts;
}
inline constexpr Texts kStartupMmPsiUSTons = StartupTextsInWriteOrder();

// Comparable with what a view shows, and printed readably when they differ.
template <typename Strings>
std::vector<std::string> AsStrings(const Strings& texts) {
  return {std::begin(texts), std::end(texts)};
}

}  // namespace ostrel::test_support
