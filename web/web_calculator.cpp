// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "web/web_calculator.h"

#include <utility>

#include "core/calc.h"
#include "core/fault.h"
#include "design/open_design.h"
#include "present/box_labels.h"
#include "present/fault_detail.h"
#include "present/section_calc.h"
#include "present/sections.h"
#include "present/show_results.h"
#include "ui/controls.h"

namespace ostrel::web {

WebCalculator::WebCalculator(std::string separator) : separator_(std::move(separator)) {}

Report WebCalculator::Load() {
  // As File > New on the desktop: the selections stay as they are, and the load handler's own
  // selections run their handlers where they change one.
  Fault first = Fault::None;
  captured_ = &first;
  const Fault fault = handlers_.Form_Load();
  captured_ = nullptr;
  return Finish(first != Fault::None ? first : fault, true);
}

Report WebCalculator::Open(const Design& design) {
  Fault first = Fault::None;
  captured_ = &first;
  const Fault fault = OpenDesign(design, state_, *this);
  captured_ = nullptr;
  return Finish(first != Fault::None ? first : fault, true);
}

Report WebCalculator::CalculateAll() {
  Fault fault = All_Calc(state_);
  if (fault == Fault::None) fault = ShowResults(state_, *this);
  return Finish(fault, true);
}

bool WebCalculator::Marked(Box box) const {
  return MarkedNotRecalculated(box, texts_[static_cast<int>(box)], numbers_);
}

std::string WebCalculator::Description(Box box) const {
  std::string description = BoxDescription(box, SelectedUnits(*this));
  if (IsInputBox(box)) return description;
  if (!numbers_.Computed(box)) return description + NotComputedText(WhyNotComputed(numbers_));
  if (Marked(box)) description += NotRecalculatedText(box);
  return description;
}

bool WebCalculator::HasPending() const {
  for (const DesignInput& input : kDesignInputs) {
    const int i = static_cast<int>(input.box);
    if (texts_[i] != written_[i]) return true;
  }
  return false;
}

Report WebCalculator::ApplyPending() {
  for (int i = 0; i < kSectionCount; ++i) {
    bool pending = false;
    for (int b = 0; b < kSections[i].box_count; ++b) {
      const auto box = static_cast<int>(kSections[i].boxes[b]);
      pending |= IsInputBox(kSections[i].boxes[b]) && texts_[box] != written_[box];
    }
    if (!pending) continue;
    Report report = Finish((handlers_.*kSectionCalc[i])());
    if (!report.kind.empty()) return report;
  }
  return {};
}

Report WebCalculator::DesignFault() const {
  return Describe(numbers_.fault, numbers_.where);
}

Report WebCalculator::Click(const std::string& name, int index) {
  for (const ui::Control& c : ui::kControls) {
    if (c.kind != ui::Kind::Button || name != c.name || index != c.index) continue;
    if (c.click) return Finish((handlers_.*c.click)());
    return Finish((handlers_.*c.indexedClick)(static_cast<std::int16_t>(index)));
  }
  return {};
}

Report WebCalculator::Choose(Group group, int index) {
  // As the desktop's option buttons: a click on the selected option toggles nothing.
  if (IsSelected(group, index)) return {};
  return Finish(SelectOptionForResult(group, index));
}

void WebCalculator::SelectOption(Group group, int index) {
  const int count = group == Group::optDistanceUnits ? 2 : 3;
  if (index < 0 || index >= count || IsSelected(group, index)) return;
  selected_[static_cast<int>(group)] = index;
  Fault fault = Fault::None;
  switch (group) {
    case Group::optDistanceUnits:
      fault = handlers_.optDistanceUnits_Click(static_cast<std::int16_t>(index));
      break;
    case Group::optOilPressureUnits:
      fault = handlers_.optOilPressureUnits_Click(static_cast<std::int16_t>(index));
      break;
    case Group::optForceUnits:
      fault = handlers_.optForceUnits_Click(static_cast<std::int16_t>(index));
      break;
  }
  if (captured_ != nullptr && *captured_ == Fault::None) *captured_ = fault;
}

Fault WebCalculator::SelectOptionForResult(Group group, int index) {
  Fault fault = Fault::None;
  Fault* const outer = captured_;
  captured_ = &fault;
  SelectOption(group, index);
  captured_ = outer;
  return fault;
}

Report WebCalculator::Finish(Fault fault, bool whole) {
  design_calculator_.Compute(CurrentDesign(state_, *this), numbers_);
  if (whole && !numbers_.Whole()) texts_ = written_ = numbers_.texts;
  // A whole sequence stores nothing where it faults: the numbers say where.
  if (whole && numbers_.fault == fault) return Describe(fault, numbers_.where);
  return Describe(fault, handlers_.LastFaultLocation());
}

Report WebCalculator::Describe(Fault fault, const FaultLocation& where) const {
  if (fault == Fault::None) return {};
  const FaultDetail detail = DescribeFault(fault, where, separator_);
  return {FaultText(fault), detail.informative,
          detail.has_focus ? static_cast<int>(detail.focus) : -1};
}

}  // namespace ostrel::web
