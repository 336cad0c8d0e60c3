// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "figures/scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace ostrel::figures {
namespace {

struct ScaleCase {
  double largest;
  double ratio;
  const char* text;
};

TEST(RoundScale, TakesTheLargestRoundScaleThatFits) {
  const ScaleCase cases[] = {
      {7.3, 5, "5:1"},
      {5, 5, "5:1"},
      {4.99, 2, "2:1"},
      {1, 1, "1:1"},
      {0.7, 0.5, "1:2"},
      {0.03, 0.02, "1:50"},
      {25, 20, "20:1"},
      {1e40, 1e40, "1e+40:1"},
      {2.5e-31, 2e-31, "1:5e+30"},
      {0, 0, ""},
      {-3, 0, ""},
      {std::numeric_limits<double>::infinity(), 0, ""},
      {std::numeric_limits<double>::quiet_NaN(), 0, ""},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.largest);
    const Scale s = RoundScale(c.largest);
    EXPECT_DOUBLE_EQ(s.ratio, c.ratio);
    EXPECT_EQ(s.text, c.text);
    EXPECT_LE(s.ratio, c.largest > 0 ? c.largest : 0);
  }
}

}  // namespace
}  // namespace ostrel::figures
