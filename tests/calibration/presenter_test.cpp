// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calibration/limits.h"
#include "calibration/oil_pressure.h"
#include "calibration/presenter/calibration_presenter.h"
#include "core/calc.h"
#include "present/handlers.h"
#include "present/show_results.h"
#include "present/text_view.h"
#include "present/units.h"

namespace ostrel {
namespace {

class FakeView final : public CalibrationView {
 public:
  void Show(const CalibrationScreen& screen) override {
    shown = screen;
    ++shows;
  }
  void Refuse(const CalibrationRefusal& refusal) override { refusals.push_back(refusal); }
  void Announce(const std::string& sentence) override { announced.push_back(sentence); }

  CalibrationScreen shown;
  std::vector<std::string> announced;
  int shows = 0;
  std::vector<CalibrationRefusal> refusals;
};

// The calculator as started, without widgets, and the presenter following it.
class PresenterTest : public testing::Test {
 protected:
  PresenterTest() : handlers_(state_, calculator_), presenter_(view_, [this] { ++edits_; }) {
    calculator_.Attach(&handlers_);
    EXPECT_EQ(handlers_.Form_Load(), Fault::None);
    SelectForce(0);  // kN
    presenter_.SetPoints(
        {{1000, 8, "Bi III-V"}, {250, 3, "Bi I-II"}, {500, 5, "Bi III"}, {750, 7, "ZnTe"}});
  }

  void SelectForce(int index) {
    calculator_.SelectOption(Group::optForceUnits, index);
    presenter_.Follow(state_, calculator_);
  }

  std::vector<std::string> Column(std::string CalibrationRowTexts::*field) const {
    std::vector<std::string> texts;
    for (const CalibrationRowTexts& row : view_.shown.rows) texts.push_back(row.*field);
    return texts;
  }

  CalcState state_;
  TextView calculator_;
  Handlers handlers_;
  FakeView view_;
  CalibrationPresenter presenter_;
  int edits_ = 0;
};

using Texts = std::vector<std::string>;

TEST_F(PresenterTest, RowsOrderedByForceInTheSelectedUnit) {
  EXPECT_EQ(view_.shown.force_header, "Force (kN)");
  EXPECT_EQ(Column(&CalibrationRowTexts::force), (Texts{"250", "500", "750", "1000"}));
  EXPECT_EQ(Column(&CalibrationRowTexts::pressure), (Texts{"3", "5", "7", "8"}));
  EXPECT_EQ(Column(&CalibrationRowTexts::label), (Texts{"Bi I-II", "Bi III", "ZnTe", "Bi III-V"}));
  // Opening keeps the document's order; only an edit orders the points.
  EXPECT_EQ(presenter_.Points().front().force, 1000);
  EXPECT_EQ(edits_, 0);

  SelectForce(1);
  EXPECT_EQ(view_.shown.force_header, "Force (metric tons)");
  EXPECT_EQ(Column(&CalibrationRowTexts::force), (Texts{"25.5", "51", "76.5", "102"}));
  SelectForce(2);
  EXPECT_EQ(view_.shown.force_header, "Force (US tons)");
  EXPECT_EQ(Column(&CalibrationRowTexts::force), (Texts{"28.1", "56.2", "84.3", "112.4"}));
}

// Whatever force the presenter shows, it shows as the calculator's force box would.
TEST_F(PresenterTest, ForcesAsTheForceBoxShowsThem) {
  for (int unit = 0; unit < 3; ++unit) {
    SelectForce(unit);
    for (const float oil : {6.897f, 123.4567f, 1000.0f}) {
      state_.OilPressure = oil;
      ASSERT_EQ(ShowResults(state_, calculator_), Fault::None);
      presenter_.Follow(state_, calculator_);
      const std::string unit_text = kForceUnitTexts[unit];
      EXPECT_EQ(view_.shown.current_force, calculator_.Text(Box::txtForce) + " " + unit_text);
    }
  }
}

TEST_F(PresenterTest, TypedEntriesAreTakenOrRefusedInPlace) {
  struct Entry {
    const char* name;
    int row;
    CalibrationField field;
    const char* text;
    const char* refusal;  // empty where taken
  };
  const std::string long_label(201, 'x');
  const Entry entries[] = {
      {"letters", 1, CalibrationField::Force, "abc", "Point 2: \u201cabc\u201d is not a number."},
      {"comma under a point separator", 1, CalibrationField::Force, "5,5",
       "Point 2: \u201c5,5\u201d is not a number."},
      {"zero force", 0, CalibrationField::Force, "0",
       "Point 1: the force must be greater than zero."},
      {"negative pressure", 2, CalibrationField::Pressure, "-1",
       "Point 3: the pressure must be greater than zero."},
      {"beyond float", 3, CalibrationField::Pressure, "1e39",
       "Point 4: \u201c1e39\u201d is too large a number."},
      {"long label", 0, CalibrationField::Label, long_label.c_str(),
       "Point 1: the label is longer than 200 characters."},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.name);
    const std::vector<CalibrationPoint> before = presenter_.Points();
    const int shows = view_.shows;
    view_.refusals.clear();
    EXPECT_FALSE(presenter_.EditCell(e.row, e.field, e.text));
    ASSERT_EQ(view_.refusals.size(), 1u);
    EXPECT_EQ(view_.refusals[0].row, e.row);
    EXPECT_EQ(view_.refusals[0].field, e.field);
    EXPECT_EQ(view_.refusals[0].reason, e.refusal);
    EXPECT_EQ(view_.shows, shows);
    EXPECT_EQ(presenter_.Points().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(presenter_.Points()[i].force, before[i].force);
      EXPECT_EQ(presenter_.Points()[i].pressure, before[i].pressure);
      EXPECT_EQ(presenter_.Points()[i].label, before[i].label);
    }
  }
  EXPECT_EQ(edits_, 0);
}

TEST_F(PresenterTest, EditAddRemoveKeepTheOrderByForce) {
  SelectForce(2);  // US tons: typed numbers are divided by the unit's factor, as the boxes do
  // Taking back the rounded text as shown changes nothing.
  EXPECT_TRUE(presenter_.EditCell(0, CalibrationField::Force, "28.1"));
  EXPECT_EQ(edits_, 0);
  EXPECT_TRUE(presenter_.EditCell(0, CalibrationField::Force, "100"));
  EXPECT_EQ(edits_, 1);
  EXPECT_EQ(Column(&CalibrationRowTexts::label), (Texts{"Bi III", "ZnTe", "Bi I-II", "Bi III-V"}));
  EXPECT_EQ(presenter_.Points()[2].force,
            static_cast<float>(100.0 / double{kForceUnits[2].factor}));

  EXPECT_TRUE(presenter_.AddPoint("10", "1.25", "Start"));
  EXPECT_EQ(view_.shown.rows.front().label, "Start");
  EXPECT_EQ(view_.shown.rows.front().pressure, "1.25");
  EXPECT_TRUE(presenter_.RemoveRows({0, 4}));
  EXPECT_EQ(Column(&CalibrationRowTexts::label), (Texts{"Bi III", "ZnTe", "Bi I-II"}));
  EXPECT_EQ(edits_, 3);

  EXPECT_FALSE(presenter_.AddPoint("12", "x", "bad"));
  EXPECT_EQ(view_.refusals.back().reason, "New point: \u201cx\u201d is not a number.");
  EXPECT_EQ(view_.refusals.back().field, CalibrationField::Pressure);
  EXPECT_EQ(presenter_.Points().size(), 3u);
  EXPECT_EQ(edits_, 3);
}

TEST_F(PresenterTest, CurrentPressureAndTarget) {
  // The start-up press gives 1010.06 kN: above the last point.
  EXPECT_EQ(view_.shown.current_force, "1010 kN");
  EXPECT_EQ(view_.shown.current_pressure, "8.04 GPa, extrapolated above the last point");
  EXPECT_TRUE(view_.shown.status.empty());

  ASSERT_TRUE(presenter_.SetTarget("7"));
  EXPECT_EQ(view_.shown.target_force, "750 kN");
  const CurveValue oil = OilPressureFor(750, state_.RamDiameter);
  ASSERT_TRUE(oil.ok());
  // The oil pressure, set on the calculator, gives the target's force in its own boxes.
  state_.OilPressure = oil.value;
  ASSERT_EQ(ShowResults(state_, calculator_), Fault::None);
  presenter_.Follow(state_, calculator_);
  EXPECT_EQ(view_.shown.target_oil, calculator_.Text(Box::txtOilPressure) + " psi");
  EXPECT_EQ(view_.shown.current_force, "750 kN");
  EXPECT_EQ(view_.shown.current_pressure, "7 GPa, interpolated");

  EXPECT_FALSE(presenter_.SetTarget("0"));
  EXPECT_EQ(view_.refusals.back().reason, "Target: the target pressure must be greater than zero.");
  EXPECT_EQ(view_.shown.target_force, "750 kN");
  // The first segment, extended, reaches zero force at 1 GPa.
  ASSERT_TRUE(presenter_.SetTarget("0.5"));
  EXPECT_EQ(view_.shown.target_force, "The calibration gives no positive force there");
  EXPECT_EQ(view_.shown.target_oil, "\u2014");
  ASSERT_TRUE(presenter_.SetTarget(""));
  EXPECT_EQ(view_.shown.target_force, "");
}

TEST_F(PresenterTest, BrokenCalibrationShowsWhyAndNoValues) {
  ASSERT_TRUE(presenter_.EditCell(3, CalibrationField::Pressure, "6"));
  EXPECT_EQ(view_.shown.status,
            "Points 3 and 4: the pressure does not rise with the force. No calibrated values until "
            "this is corrected.");
  EXPECT_FALSE(view_.shown.rows[1].breaks_rule);
  EXPECT_TRUE(view_.shown.rows[2].breaks_rule);
  EXPECT_TRUE(view_.shown.rows[3].breaks_rule);
  EXPECT_EQ(view_.shown.current_pressure, "\u2014");
  EXPECT_TRUE(view_.shown.plot.curve.empty());
  EXPECT_EQ(view_.shown.plot.points.size(), 4u);
}

// Each kind of edit is undone and redone; a new edit forgets what was undone, a new document all.
TEST_F(PresenterTest, EveryEditCanBeUndoneAndRedone) {
  const std::function<bool()> edits[] = {
      [&] { return presenter_.EditCell(0, CalibrationField::Force, "600"); },
      [&] { return presenter_.EditCell(1, CalibrationField::Label, "Ba I-II"); },
      [&] { return presenter_.AddPoint("100", "1", "Start"); },
      [&] {
        return presenter_.RemoveRows({0, 2});
      },
  };
  const Texts before = Column(&CalibrationRowTexts::label);
  for (const auto& edit : edits) {
    ASSERT_TRUE(edit());
    const Texts after = Column(&CalibrationRowTexts::label);
    ASSERT_TRUE(presenter_.Undo());
    EXPECT_EQ(Column(&CalibrationRowTexts::label), before);
    EXPECT_FALSE(presenter_.CanUndo());
    ASSERT_TRUE(presenter_.Redo());
    EXPECT_EQ(Column(&CalibrationRowTexts::label), after);
    ASSERT_TRUE(presenter_.Undo());
  }
  EXPECT_EQ(edits_, 16);  // each undo and redo is an edit of the document's points
  ASSERT_FALSE(presenter_.EditCell(0, CalibrationField::Pressure, "x"));
  ASSERT_TRUE(presenter_.EditCell(0, CalibrationField::Pressure, "2.5"));
  EXPECT_FALSE(presenter_.CanRedo());
  presenter_.SetPoints({});
  EXPECT_FALSE(presenter_.Undo());
}

TEST_F(PresenterTest, TheThousandAndFirstPointIsRefusedWithTheFileSentence) {
  presenter_.SetPoints(std::vector<CalibrationPoint>(kMaxCalibrationPoints, {1, 1, ""}));
  EXPECT_FALSE(presenter_.AddPoint("6000", "70", ""));
  EXPECT_EQ(view_.refusals.back().reason,
            "The calibration has 1001 points, more than the 1000 a design may hold.");
  EXPECT_EQ(presenter_.Points().size(), kMaxCalibrationPoints);
}

TEST_F(PresenterTest, ANewPointAndATargetAreAnnouncedAndThePlotPutInWords) {
  ASSERT_TRUE(presenter_.AddPoint("600", "5.5", "Ba I-II"));
  EXPECT_EQ(view_.announced.back(), "Point added: 600 kN and 5.5 GPa, Ba I-II. 5 points.");
  ASSERT_TRUE(presenter_.SetTarget("7"));
  EXPECT_EQ(view_.announced.back(),
            "Target 7 GPa: force 750 kN, oil pressure " + view_.shown.target_oil + ".");
  EXPECT_EQ(view_.shown.plot_text,
            "Calibration plot, sample pressure against force. 5 points: 250 kN and 3 GPa, Bi "
            "I-II; 500 kN and 5 GPa, Bi III; 600 kN and 5.5 GPa, Ba I-II; 750 kN and 7 GPa, ZnTe; "
            "1000 kN and 8 GPa, Bi III-V. Current force 1010 kN, calibrated pressure 8.04 GPa, "
            "extrapolated above the last point. Target 7 GPa: force 750 kN.");
  // A refusal quotes at most 40 characters of what was typed.
  EXPECT_FALSE(presenter_.AddPoint(std::string(39, '9') + "\u00e9\u00e9x", "1", ""));
  EXPECT_EQ(view_.refusals.back().reason,
            "New point: \u201c" + std::string(39, '9') + "\u00e9\u2026\u201d is not a number.");
}

// Without points the axes reach the calculator's force and the theoretical line their right end.
TEST_F(PresenterTest, AnEmptyPlotCoversTheForceAndTheTheoreticalLine) {
  presenter_.SetPoints({});
  for (int unit = 0; unit < 3; ++unit) {
    SelectForce(unit);
    const CalibrationPlotData& plot = view_.shown.plot;
    EXPECT_EQ(plot.force_max, double{state_.Force} * 1.1 * kForceUnits[unit].factor);
    ASSERT_EQ(plot.theory.size(), 2u);
    EXPECT_EQ(plot.theory[1].force, plot.force_max);
    EXPECT_EQ(plot.theory[1].pressure * 1.15, plot.pressure_max);
  }
}

}  // namespace
}  // namespace ostrel
