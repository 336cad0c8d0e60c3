// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "calibration/presenter/calibration_presenter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <utility>

#include "calibration/curve.h"
#include "calibration/limits.h"
#include "calibration/oil_pressure.h"
#include "calibration/presenter/calibration_plot.h"
#include "core/fp_status.h"
#include "present/box_forms.h"
#include "present/input.h"
#include "present/units.h"

namespace ostrel {
namespace {

// A typed text quoted back in a refusal: enough to recognise it, and short enough for the
// refusal's line.
constexpr std::size_t kMaxQuotedCharacters = 40;
// The sample pressure in GPa to 0.01.
constexpr float kPressureSteps = 100;

std::size_t Utf8Characters(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string Quoted(const std::string& text) {
  if (Utf8Characters(text) <= kMaxQuotedCharacters) return "\u201c" + text + "\u201d";
  std::size_t end = 0;
  for (std::size_t kept = 0; kept <= kMaxQuotedCharacters; ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80) ++kept;
  }
  // end is one past the first byte of the character after the kept ones.
  return "\u201c" + text.substr(0, end - 1) + "\u2026\u201d";
}

// "1 point", "4 points".
std::string Count(std::size_t points) {
  return std::to_string(points) + (points == 1 ? " point" : " points");
}

// "150 US tons and 5.2 GPa", as the table shows them.
std::string PointWords(const CalibrationRowTexts& row, const std::string& unit) {
  std::string words = row.force + " " + unit + " and " + row.pressure + " GPa";
  if (!row.label.empty()) words += ", " + row.label;
  return words;
}

const char* ReachText(Reach reach) {
  switch (reach) {
    case Reach::ExtrapolatedBelow:
      return "extrapolated below the first point";
    case Reach::ExtrapolatedAbove:
      return "extrapolated above the last point";
    case Reach::Interpolated:
      break;
  }
  return "interpolated";
}

// A box's text for a value, or the reason none can be shown.
std::string Form(const BoxValue& value) {
  if (value.fault != Fault::None) return "too large to show";
  return value.text;
}

// As the force and oil-pressure boxes render; flags left by whatever ran before are not this
// value's, and none of this value's are left for what runs next.
BoxValue Scaled(double field, const UnitOption& unit, std::string_view separator) {
  fp::Clear();
  BoxValue v = ScaledForm(field, unit.factor, unit.scale, separator);
  fp::Clear();
  return v;
}

std::string PressureText(float gpa, std::string_view separator) {
  fp::Clear();
  const BoxValue v = SteppedForm(gpa, kPressureSteps, separator);
  fp::Clear();
  return v.fault != Fault::None ? "too large to show" : v.text + " GPa";
}

const UnitOption* ForceUnit(const UnitChoice& units) {
  if (units.force < 0 || units.force >= static_cast<int>(std::size(kForceUnits))) return nullptr;
  return &kForceUnits[units.force];
}

const UnitOption* OilUnit(const UnitChoice& units) {
  if (units.oil_pressure < 0 ||
      units.oil_pressure >= static_cast<int>(std::size(kOilPressureUnits))) {
    return nullptr;
  }
  return &kOilPressureUnits[units.oil_pressure];
}

// The plot in words: what it shows, from the texts the window shows beside it.
std::string PlotText(const CalibrationScreen& s, const std::string& target) {
  std::string text = "Calibration plot, sample pressure against force. ";
  if (s.rows.empty()) {
    text += "No points.";
  } else {
    text += Count(s.rows.size()) + ": ";
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
      if (i > 0) text += "; ";
      text += PointWords(s.rows[i], s.force_unit);
    }
    text += ".";
  }
  text += " Current force " + s.current_force + ", calibrated pressure " + s.current_pressure + ".";
  if (!target.empty()) text += " Target " + target + ": force " + s.target_force + ".";
  return text;
}

}  // namespace

CalibrationPresenter::CalibrationPresenter(CalibrationView& view, std::function<void()> edited)
    : view_(view), edited_(std::move(edited)) {}

void CalibrationPresenter::SetPoints(std::vector<CalibrationPoint> points) {
  points_ = std::move(points);
  history_.Clear();
  Render();
}

void CalibrationPresenter::Follow(const CalcState& state, const View& calculator) {
  state_ = state;
  units_ = SelectedUnits(calculator);
  separator_ = calculator.DecimalSeparator();
  Render();
}

CalibrationPresenter::Read CalibrationPresenter::ReadForce(const std::string& text) const {
  const UnitOption* unit = ForceUnit(units_);
  if (unit == nullptr) return {0, "no force unit is selected in the calculator"};
  Read r = ReadPositive(text, "force");
  if (!r.reason.empty()) return r;
  // As the calculator reads its boxes: the typed number divided by the unit's factor.
  const float kn = static_cast<float>(double{r.value} / double{unit->factor});
  fp::Clear();
  if (!(std::isfinite(kn) && kn > 0)) return {0, "the force " + Quoted(text) + " is out of range"};
  return {kn, {}};
}

CalibrationPresenter::Read CalibrationPresenter::ReadPositive(const std::string& text,
                                                              const char* what) const {
  const ReadResult read = ReadNumber(text, separator_);
  fp::Clear();
  if (read.fault == Fault::TypeMismatch) return {0, Quoted(text) + " is not a number"};
  if (read.fault != Fault::None) return {0, Quoted(text) + " is too large a number"};
  if (!(read.value > 0)) return {0, std::string("the ") + what + " must be greater than zero"};
  return {read.value, {}};
}

bool CalibrationPresenter::EditCell(int row, CalibrationField field, const std::string& text) {
  const auto refuse = [&](const std::string& reason) {
    view_.Refuse({row, field, "Point " + std::to_string(row + 1) + ": " + reason + "."});
    return false;
  };
  if (row < 0 || row >= static_cast<int>(order_.size())) return false;
  const CalibrationRowTexts& shown = screen_.rows[static_cast<std::size_t>(row)];
  CalibrationPoint& point =
      points_[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])];
  switch (field) {
    case CalibrationField::Force: {
      // The shown text is rounded; taking it back would move the point.
      if (text == shown.force) return true;
      const Read r = ReadForce(text);
      if (!r.reason.empty()) return refuse(r.reason);
      Record();
      point.force = r.value;
      break;
    }
    case CalibrationField::Pressure: {
      if (text == shown.pressure) return true;
      const Read r = ReadPositive(text, "pressure");
      if (!r.reason.empty()) return refuse(r.reason);
      Record();
      point.pressure = r.value;
      break;
    }
    case CalibrationField::Label:
      if (text == point.label) return true;
      if (Utf8Characters(text) > kMaxLabelCharacters) {
        return refuse("the label is longer than 200 characters");
      }
      Record();
      point.label = text;
      break;
    case CalibrationField::Target:
      return false;
  }
  Changed();
  return true;
}

bool CalibrationPresenter::AddPoint(const std::string& force, const std::string& pressure,
                                    const std::string& label) {
  const auto refuse = [&](CalibrationField field, const std::string& reason) {
    view_.Refuse({-1, field, "New point: " + reason + "."});
    return false;
  };
  const Read f = ReadForce(force);
  if (!f.reason.empty()) return refuse(CalibrationField::Force, f.reason);
  const Read p = ReadPositive(pressure, "pressure");
  if (!p.reason.empty()) return refuse(CalibrationField::Pressure, p.reason);
  if (Utf8Characters(label) > kMaxLabelCharacters) {
    return refuse(CalibrationField::Label, "the label is longer than 200 characters");
  }
  if (points_.size() >= kMaxCalibrationPoints) {
    // The sentence a file with that many points gets; the entry with the focus carries it.
    view_.Refuse({-1, CalibrationField::Force, TooManyPointsSentence(points_.size() + 1)});
    return false;
  }
  Record();
  points_.push_back({f.value, p.value, label});
  Changed();
  // The row it went to: after those with a force up to its own, which it follows when equal.
  const auto row =
      std::upper_bound(points_.begin(), points_.end(), f.value,
                       [](float v, const CalibrationPoint& point) { return v < point.force; });
  const CalibrationRowTexts& shown =
      screen_.rows[static_cast<std::size_t>(std::distance(points_.begin(), row)) - 1];
  view_.Announce("Point added: " + PointWords(shown, screen_.force_unit) + ". " +
                 Count(points_.size()) + ".");
  return true;
}

bool CalibrationPresenter::RemoveRows(std::vector<int> rows) {
  std::vector<bool> remove(points_.size(), false);
  bool any = false;
  for (const int row : rows) {
    if (row < 0 || row >= static_cast<int>(order_.size())) continue;
    remove[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])] = true;
    any = true;
  }
  if (!any) return false;
  Record();
  std::vector<CalibrationPoint> kept;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    if (!remove[i]) kept.push_back(std::move(points_[i]));
  }
  points_ = std::move(kept);
  Changed();
  return true;
}

bool CalibrationPresenter::SetTarget(const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    target_.reset();
    Render();
    return true;
  }
  const Read r = ReadPositive(text, "target pressure");
  if (!r.reason.empty()) {
    view_.Refuse({-1, CalibrationField::Target, "Target: " + r.reason + "."});
    return false;
  }
  target_ = r.value;
  Render();
  std::string words =
      "Target " + PressureText(*target_, separator_) + ": force " + screen_.target_force;
  if (!screen_.target_oil.empty()) words += ", oil pressure " + screen_.target_oil;
  view_.Announce(words + ".");
  return true;
}

bool CalibrationPresenter::Undo() {
  if (!history_.Undo(points_)) return false;
  Changed();
  view_.Announce("Calibration edit undone. " + Count(points_.size()) + ".");
  return true;
}

bool CalibrationPresenter::Redo() {
  if (!history_.Redo(points_)) return false;
  Changed();
  view_.Announce("Calibration edit redone. " + Count(points_.size()) + ".");
  return true;
}

void CalibrationPresenter::Record() {
  history_.Record(points_);
}

void CalibrationPresenter::Changed() {
  // Kept ordered by force, so the file lists them as the table does.
  std::stable_sort(
      points_.begin(), points_.end(),
      [](const CalibrationPoint& a, const CalibrationPoint& b) { return a.force < b.force; });
  Render();
  if (edited_) edited_();
}

void CalibrationPresenter::Render() {
  order_.resize(points_.size());
  std::iota(order_.begin(), order_.end(), 0);
  std::stable_sort(order_.begin(), order_.end(),
                   [&](int a, int b) { return points_[a].force < points_[b].force; });
  std::vector<CalibrationPoint> ordered;
  ordered.reserve(points_.size());
  for (const int i : order_) ordered.push_back(points_[static_cast<std::size_t>(i)]);

  CalibrationScreen screen;
  const UnitOption* force_unit = ForceUnit(units_);
  const std::string unit_text = force_unit ? kForceUnitTexts[units_.force] : "";
  const auto force_text = [&](float kn) {
    if (force_unit == nullptr) return std::string("no force unit selected");
    return Form(Scaled(kn, *force_unit, separator_)) + " " + unit_text;
  };
  screen.force_header = force_unit ? "Force (" + unit_text + ")" : "Force";
  screen.force_unit = unit_text;

  const CurveResult result = MakeCurve(ordered);
  const std::vector<int> breaking = PointsInProblems(result.problems);
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const CalibrationPoint& p = ordered[i];
    CalibrationRowTexts row;
    row.force = force_unit ? Form(Scaled(p.force, *force_unit, separator_)) : "";
    fp::Clear();
    row.pressure = Form(SteppedForm(p.pressure, kPressureSteps, separator_));
    fp::Clear();
    row.label = p.label;
    row.breaks_rule = std::binary_search(breaking.begin(), breaking.end(), static_cast<int>(i) + 1);
    screen.rows.push_back(std::move(row));
  }

  const CalibrationCurve* curve = result.curve ? &*result.curve : nullptr;
  if (points_.empty()) {
    screen.status = "No calibration points yet: add at least two.";
  } else if (!curve) {
    for (const CurveProblem& problem : result.problems) {
      if (!screen.status.empty()) screen.status += " ";
      screen.status += Capitalised(problem.reason) + ".";
    }
    screen.status += " No calibrated values until this is corrected.";
  }

  PlotInputs plot;
  plot.points = &ordered;
  plot.curve = curve;
  plot.state = &state_;
  plot.force_factor = force_unit ? force_unit->factor : 1.0;
  plot.force_title = force_unit ? screen.force_header : "Force (kN)";

  constexpr const char* kNone = "\u2014";
  screen.current_force = force_text(state_.Force);
  screen.current_pressure = kNone;
  screen.target_force = target_ ? kNone : "";
  screen.target_oil = target_ ? kNone : "";
  if (curve) {
    const CurveValue now = curve->PressureAt(state_.Force);
    if (now.ok()) {
      screen.current_pressure = PressureText(now.value, separator_) + ", " + ReachText(now.reach);
      plot.current = PlotXY{state_.Force, now.value};
    } else {
      screen.current_pressure = Capitalised(now.reason);
    }
    if (target_) {
      const CurveValue force = curve->ForceFor(*target_);
      if (!force.ok()) {
        screen.target_force = Capitalised(force.reason);
      } else {
        screen.target_force = force_text(force.value);
        if (force.reach != Reach::Interpolated)
          screen.target_force += std::string(", ") + ReachText(force.reach);
        plot.target = PlotXY{force.value, *target_};
        const CurveValue oil = OilPressureFor(force.value, state_.RamDiameter);
        const UnitOption* oil_unit = OilUnit(units_);
        if (!oil.ok()) {
          screen.target_oil = Capitalised(oil.reason);
        } else if (oil_unit == nullptr) {
          screen.target_oil = "no oil-pressure unit selected";
        } else {
          screen.target_oil = Form(Scaled(oil.value, *oil_unit, separator_)) + " " +
                              kOilPressureUnitTexts[units_.oil_pressure];
        }
      }
    }
  }
  plot.current_force = state_.Force;
  screen.plot = PlotCalibration(plot);
  screen.plot_text = PlotText(screen, target_ ? PressureText(*target_, separator_) : "");
  screen_ = std::move(screen);
  view_.Show(screen_);
}

}  // namespace ostrel
