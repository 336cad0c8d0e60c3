// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "present/sections.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace ostrel {
namespace {

// The section of a control: its frame's number, through the unnamed frames of the pressure
// column.
int SectionOf(const ui::Control& c) {
  const char* frame = c.container;
  for (const ui::Control& f : ui::kControls) {
    if (f.kind == ui::Kind::Frame && std::strcmp(f.name, frame) == 0 && f.container != nullptr) {
      frame = f.container;
    }
  }
  return std::stoi(std::string(frame).substr(std::strlen("Frame"))) - 1;
}

// The sheet groups the boxes as the window does: each section's boxes are those its frame holds,
// in the window's order, and every box is in exactly one.
TEST(Sections, HoldTheBoxesOfTheWindowsFrames) {
  std::vector<std::vector<Box>> window(kSectionCount);
  for (const ui::Control& c : ui::kControls) {
    if (c.kind == ui::Kind::TextBox) window[SectionOf(c)].push_back(c.box);
  }
  std::set<Box> seen;
  for (int i = 0; i < kSectionCount; ++i) {
    const std::vector<Box> table(kSections[i].boxes, kSections[i].boxes + kSections[i].box_count);
    EXPECT_EQ(table, window[i]) << kSections[i].caption;
    seen.insert(table.begin(), table.end());
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kBoxCount));
}

}  // namespace
}  // namespace ostrel
