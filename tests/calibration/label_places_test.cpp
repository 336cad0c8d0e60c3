// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <gtest/gtest.h>

#include <vector>

#include "calibration/presenter/label_places.h"

namespace ostrel {
namespace {

const LabelBox kArea{0, 0, 400, 300};

struct Case {
  const char* name;
  std::vector<LabelToPlace> labels;
  std::vector<std::optional<LabelBox>> expected;
};

TEST(LabelPlaces, NoLabelCoversAnotherOrLeavesTheArea) {
  const Case cases[] = {
      {"alone: below right", {{100, 100, 50, 12}}, {LabelBox{106, 103, 50, 12}}},
      {"at the right edge: above left", {{380, 100, 50, 12}}, {LabelBox{324, 85, 50, 12}}},
      {"at the bottom right corner: above right",
       {{100, 295, 50, 12}},
       {LabelBox{106, 280, 50, 12}}},
      // "Bi I-II" and "Ba I-II" a few pixels apart: the first goes above, off the second's marker.
      {"close points",
       {{100, 100, 50, 12}, {104, 104, 50, 12}},
       {LabelBox{106, 85, 50, 12}, LabelBox{110, 107, 50, 12}}},
      // Three on one spot: the third goes to the left, a fourth would find no room.
      {"four on one spot",
       {{200, 100, 50, 12}, {200, 100, 50, 12}, {200, 100, 50, 12}, {200, 100, 50, 12}},
       {LabelBox{206, 103, 50, 12}, LabelBox{206, 85, 50, 12}, LabelBox{144, 85, 50, 12},
        LabelBox{144, 103, 50, 12}}},
      {"wider than the area", {{100, 100, 500, 12}}, {std::nullopt}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto places = PlaceLabels(c.labels, kArea, 6, 8);
    ASSERT_EQ(places.size(), c.expected.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
      ASSERT_EQ(places[i].has_value(), c.expected[i].has_value()) << i;
      if (!places[i]) continue;
      EXPECT_EQ(places[i]->left, c.expected[i]->left) << i;
      EXPECT_EQ(places[i]->top, c.expected[i]->top) << i;
      EXPECT_TRUE(places[i]->Inside(kArea));
      for (std::size_t j = 0; j < i; ++j) {
        if (places[j]) {
          EXPECT_FALSE(places[i]->Overlaps(*places[j])) << i << " " << j;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ostrel
