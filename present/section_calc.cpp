// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "present/section_calc.h"

namespace ostrel {

int SectionOf(Box box) {
  for (int i = 0; i < kSectionCount; ++i) {
    for (int b = 0; b < kSections[i].box_count; ++b) {
      if (kSections[i].boxes[b] == box) return i;
    }
  }
  return kSectionCount - 1;
}

std::string NotRecalculatedText(Box box) {
  const int section = SectionOf(box);
  const std::string button = section + 1 == kSectionCount
                                 ? std::string("Calc => in the pressure column")
                                 : "Calc -> in section " + std::to_string(section + 1);
  return " \u2014 not recalculated since its inputs changed: " + button +
         " (or Calculate All, F9) recalculates it.";
}

std::string NotComputedText(const std::string& why) {
  return " \u2014 not computed: " + why;
}

}  // namespace ostrel
