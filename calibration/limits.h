// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstddef>
#include <string>

// How much a design's calibration may hold, and the sentence that says a calibration holds too
// much: the table refuses the point that would go beyond it with the words a file would get.
namespace ostrel {

inline constexpr std::size_t kMaxCalibrationPoints = 1000;
// Labels are notes, not documents.
inline constexpr std::size_t kMaxLabelCharacters = 200;

// "The calibration has 1001 points, more than the 1000 a design may hold."
inline std::string TooManyPointsSentence(std::size_t points) {
  return "The calibration has " + std::to_string(points) + " points, more than the " +
         std::to_string(kMaxCalibrationPoints) + " a design may hold.";
}

}  // namespace ostrel
