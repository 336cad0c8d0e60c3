// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "design/document.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(DocumentTest, TitleAndQuestionFollowTheAttachedFile) {
  Document doc;
  Design changed = StartupDesign();
  changed.units.force = 0;
  EXPECT_EQ(doc.WindowTitle(), "Ostrel");
  EXPECT_FALSE(doc.AsksBeforeDiscarding(changed));  // untitled never asks
  doc.Attach("/home/lab/cells/run 12.ostrel", StartupDesign());
  EXPECT_EQ(doc.WindowTitle(), "run 12.ostrel[*] \u2014 Ostrel");
  EXPECT_EQ(doc.SaveQuestion(), "Save changes to run 12.ostrel?");
  EXPECT_TRUE(doc.AsksBeforeDiscarding(changed));
  doc.Detach();
  EXPECT_EQ(doc.WindowTitle(), "Ostrel");
  EXPECT_FALSE(doc.IsModified(changed));
}

// Each change an attached design can undergo, and whether it counts as one.
TEST(DocumentTest, ModifiedAgainstTheSavedDesign) {
  const struct {
    const char* name;
    std::function<void(Design&)> apply;
    bool modified;
  } changes[] = {
      {"nothing", [](Design&) {}, false},
      {"OEL's last bit", [](Design& d) { d.inputs[0] = std::nextafter(d.inputs[0], 100.f); }, true},
      {"tape 0 to -0", [](Design& d) { d.inputs[7] = -0.0f; }, true},
      {"oil unit", [](Design& d) { d.units.oil_pressure = 0; }, true},
      {"calibration label", [](Design& d) { d.calibration[0].label = "Bi"; }, true},
      {"calibration point removed", [](Design& d) { d.calibration.pop_back(); }, true},
  };
  Design saved = StartupDesign();
  saved.calibration = {{500.0f, 7.7f, "Bi I-II"}, {1000.0f, 12.3f, "ZnS"}};
  Document doc;
  doc.Attach("a.ostrel", saved);
  for (const auto& change : changes) {
    Design current = saved;
    change.apply(current);
    EXPECT_EQ(doc.IsModified(current), change.modified) << change.name;
  }
}

}  // namespace
}  // namespace ostrel
