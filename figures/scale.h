// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>

namespace ostrel::figures {

// A drawing scale: millimetres on the drawing per millimetre of the cell, and how a drawing
// states it ("5:1", "1:2").
struct Scale {
  double ratio = 0;
  std::string text;
};

// The largest round scale (1, 2 or 5 times a power of ten) not above `largest`, the ratio at
// which the figure just fits; {0, ""} when `largest` is not a positive finite number.
Scale RoundScale(double largest);

}  // namespace ostrel::figures
