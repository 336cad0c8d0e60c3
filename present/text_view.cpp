// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/text_view.h"

#include <cstdint>
#include <iterator>

#include "present/units.h"

namespace ostrel {

namespace {

int OptionCount(Group group) {
  switch (group) {
    case Group::optDistanceUnits:
      return static_cast<int>(std::size(kDistanceUnits));
    case Group::optOilPressureUnits:
      return static_cast<int>(std::size(kOilPressureUnits));
    case Group::optForceUnits:
      break;
  }
  return static_cast<int>(std::size(kForceUnits));
}

}  // namespace

Fault TextView::SelectOptionForResult(Group group, int index) {
  int& selected = selected_[static_cast<int>(group)];
  // The window has no such option to select, and selecting the selected one does nothing.
  if (index < 0 || index >= OptionCount(group) || selected == index) return Fault::None;
  selected = index;
  if (handlers_ == nullptr) return Fault::None;
  const auto i = static_cast<std::int16_t>(index);
  switch (group) {
    case Group::optDistanceUnits:
      return handlers_->optDistanceUnits_Click(i);
    case Group::optOilPressureUnits:
      return handlers_->optOilPressureUnits_Click(i);
    case Group::optForceUnits:
      break;
  }
  return handlers_->optForceUnits_Click(i);
}

}  // namespace ostrel
