// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "design/design_numbers.h"

#include <utility>

#include "core/calc.h"
#include "core/fault_site.h"
#include "core/fp_status.h"
#include "present/accessible_text.h"
#include "present/fault_detail.h"
#include "present/handlers.h"
#include "present/show_results.h"

namespace ostrel {

namespace {

// Passes a refresh through to the texts and notes which boxes it reached.
class RecordingView final : public View {
 public:
  explicit RecordingView(TextView& inner) : inner_(inner) {}

  std::string BoxText(Box box) const override { return inner_.BoxText(box); }
  void SetBoxText(Box box, const std::string& text) override {
    written_[static_cast<int>(box)] = true;
    inner_.SetBoxText(box, text);
  }
  bool IsSelected(Group group, int index) const override { return inner_.IsSelected(group, index); }
  void SelectOption(Group group, int index) override { inner_.SelectOption(group, index); }
  Fault SelectOptionForResult(Group group, int index) override {
    return inner_.SelectOptionForResult(group, index);
  }
  std::string DecimalSeparator() const override { return inner_.DecimalSeparator(); }

  const std::array<bool, kBoxCount>& Written() const { return written_; }

 private:
  TextView& inner_;
  std::array<bool, kBoxCount> written_{};
};

// The sequence stopped: inputs show what is stored, results only what the last refresh wrote.
void KeepReached(DesignNumbers& out, const std::array<bool, kBoxCount>& written) {
  for (int i = 0; i < kBoxCount; ++i) {
    const Box box = static_cast<Box>(i);
    if (written[i]) {
      out.texts[i] = out.view.Texts()[i];
      out.computed[i] = true;
    } else if (IsInputBox(box)) {
      out.texts[i] = RefreshText(out.state, out.view, box);
      out.computed[i] = true;
    } else {
      out.texts[i].clear();
      out.computed[i] = false;
    }
  }
}

}  // namespace

std::string WhyNotComputed(const DesignNumbers& numbers) {
  if (numbers.Whole()) return {};
  std::string why = FaultText(numbers.fault);
  why += '.';
  const FaultDetail detail =
      DescribeFault(numbers.fault, numbers.where, numbers.view.DecimalSeparator());
  if (!detail.informative.empty()) why += ' ' + detail.informative;
  return why;
}

// The boxes a user types into are exactly those a design stores.
constexpr bool InputsAreTheStoredOnes() {
  int inputs = 0;
  for (int i = 0; i < kBoxCount; ++i) inputs += UseOf(static_cast<Box>(i)) == BoxUse::Input;
  for (const DesignInput& input : kDesignInputs) {
    if (UseOf(input.box) != BoxUse::Input) return false;
  }
  return inputs == kDesignInputCount;
}
static_assert(InputsAreTheStoredOnes());

bool IsInputBox(Box box) {
  return UseOf(box) == BoxUse::Input;
}

bool MarkedNotRecalculated(Box box, const std::string& shown, const DesignNumbers& numbers) {
  return !IsInputBox(box) && shown != numbers.Text(box);
}

DesignCalculator::DesignCalculator(std::string separator) : startup_view_(std::move(separator)) {
  Handlers handlers{startup_state_, startup_view_};
  startup_view_.Attach(&handlers);
  // The start-up design never faults; its texts are the starting point of every design.
  (void)handlers.Form_Load();
  startup_view_.Attach(nullptr);
}

DesignNumbers DesignCalculator::Compute(const Design& design) const {
  DesignNumbers out;
  Compute(design, out);
  return out;
}

void DesignCalculator::Compute(const Design& design, DesignNumbers& out) const {
  out.state = startup_state_;
  out.view = startup_view_;
  out.fault = Fault::None;
  out.where = FaultLocation{};
  Handlers handlers{out.state, out.view};
  out.view.Attach(&handlers);
  for (int i = 0; i < kDesignInputCount; ++i) out.state.*kDesignInputs[i].field = design.inputs[i];

  // The open sequence (design/open_design.h), with each step's place kept for the report.
  const struct {
    Group group;
    int index;
  } steps[] = {{Group::optDistanceUnits, design.units.length},
               {Group::optOilPressureUnits, design.units.oil_pressure},
               {Group::optForceUnits, design.units.force}};
  const std::array<bool, kBoxCount> none{};
  for (const auto& step : steps) {
    if (out.view.IsSelected(step.group, step.index)) continue;
    if (const Fault f = out.view.SelectOptionForResult(step.group, step.index); f != Fault::None) {
      out.fault = f;
      out.where = handlers.LastFaultLocation();
      out.view.Attach(nullptr);
      KeepReached(out, none);
      return;
    }
    fp::Clear();
  }
  out.view.Attach(nullptr);
  FaultSite site;
  if (const Fault f = All_Calc(out.state, site); f != Fault::None) {
    out.fault = f;
    out.where = CalculationLocation(site, out.state);
    KeepReached(out, none);
    return;
  }
  RecordingView recording(out.view);
  out.fault = ShowResults(out.state, recording, out.where);
  if (out.fault != Fault::None) {
    KeepReached(out, recording.Written());
  } else {
    out.texts = out.view.Texts();
    out.computed.fill(true);
  }
}

}  // namespace ostrel
