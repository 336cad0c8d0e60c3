// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "design/document.h"

#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(DocumentTest, UntitledHasPlainTitleAndNeverAsks) {
  Document doc;
  Design changed = StartupDesign();
  changed.inputs[0] = 15;
  EXPECT_FALSE(doc.HasFile());
  EXPECT_EQ(doc.WindowTitle(), "Ostrel");
  EXPECT_FALSE(doc.IsModified(changed));
  EXPECT_FALSE(doc.AsksBeforeDiscarding(changed));
}

TEST(DocumentTest, AttachedNamesTheFileAndDetachForgetsIt) {
  Document doc;
  doc.Attach("/home/lab/cells/run 12.ostrel", StartupDesign());
  EXPECT_EQ(doc.Path(), "/home/lab/cells/run 12.ostrel");
  EXPECT_EQ(doc.FileName(), "run 12.ostrel");
  EXPECT_EQ(doc.WindowTitle(), "run 12.ostrel[*] \u2014 Ostrel");
  EXPECT_EQ(doc.SaveQuestion(), "Save changes to run 12.ostrel?");
  EXPECT_FALSE(doc.IsModified(StartupDesign()));

  Design changed = StartupDesign();
  changed.units.force = 0;
  doc.Detach();
  EXPECT_EQ(doc.WindowTitle(), "Ostrel");
  EXPECT_FALSE(doc.IsModified(changed));
}

// Each change an attached design can undergo, and whether it counts as one.
struct Change {
  const char* name;
  std::function<void(Design&)> apply;
  bool modified;
};

class DocumentChangeTest : public testing::TestWithParam<Change> {};

TEST_P(DocumentChangeTest, ModifiedAgainstTheSavedDesign) {
  Design saved = StartupDesign();
  saved.calibration = {{500.0f, 7.7f, "Bi I-II"}, {1000.0f, 12.3f, "ZnS"}};
  Document doc;
  doc.Attach("a.ostrel", saved);
  Design current = saved;
  GetParam().apply(current);
  EXPECT_EQ(doc.IsModified(current), GetParam().modified);
  EXPECT_EQ(doc.AsksBeforeDiscarding(current), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DocumentChangeTest,
    testing::Values(
        Change{"Nothing", [](Design&) {}, false},
        Change{"OelLastBit", [](Design& d) { d.inputs[0] = std::nextafter(d.inputs[0], 100.f); },
               true},
        Change{"OilPressure", [](Design& d) { d.inputs[9] = 7.0f; }, true},
        Change{"TapeZeroToMinusZero", [](Design& d) { d.inputs[7] = -0.0f; }, true},
        Change{"LengthUnit", [](Design& d) { d.units.length = 1; }, true},
        Change{"OilUnit", [](Design& d) { d.units.oil_pressure = 0; }, true},
        Change{"ForceUnit", [](Design& d) { d.units.force = 1; }, true},
        Change{"CalibrationPressure", [](Design& d) { d.calibration[1].pressure = 12.4f; }, true},
        Change{"CalibrationLabel", [](Design& d) { d.calibration[0].label = "Bi"; }, true},
        Change{"CalibrationRemoved", [](Design& d) { d.calibration.pop_back(); }, true},
        Change{"ChangedAndBack",
               [](Design& d) {
                 d.inputs[1] = 9;
                 d.inputs[1] = 8;
               },
               false}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel
