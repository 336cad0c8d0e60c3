// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <array>
#include <string>
#include <utility>

#include "core/fault.h"
#include "present/handlers.h"
#include "present/view.h"

namespace ostrel {

// The window without widgets, for whatever computes the calculator's texts without showing them
// (the command line, the design sheet): a text per box, one selection per group that starts as
// the window's (millimetres, MPa, kN), and a fixed decimal separator. Selecting an option that is
// not selected runs its group's handler, as the window's option buttons do.
class TextView final : public View {
 public:
  explicit TextView(std::string separator = ".") : separator_(std::move(separator)) {}

  // The handlers that selections run; without them a selection only moves.
  void Attach(Handlers* handlers) { handlers_ = handlers; }

  std::string BoxText(Box box) const override { return texts_[static_cast<int>(box)]; }
  void SetBoxText(Box box, const std::string& text) override {
    texts_[static_cast<int>(box)] = text;
  }
  bool IsSelected(Group group, int index) const override {
    return selected_[static_cast<int>(group)] == index;
  }
  // A fault of the handler run here is the caller's to see through SelectOptionForResult; a
  // plain selection has nobody to report to.
  void SelectOption(Group group, int index) override { (void)SelectOptionForResult(group, index); }
  Fault SelectOptionForResult(Group group, int index) override;
  std::string DecimalSeparator() const override { return separator_; }

  const std::array<std::string, kBoxCount>& Texts() const { return texts_; }
  const std::string& Text(Box box) const { return texts_[static_cast<int>(box)]; }
  int Selected(Group group) const { return selected_[static_cast<int>(group)]; }

 private:
  std::string separator_;
  Handlers* handlers_ = nullptr;
  std::array<std::string, kBoxCount> texts_{};
  std::array<int, 3> selected_{0, 0, 0};
};

}  // namespace ostrel
