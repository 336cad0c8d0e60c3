// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "design/document.h"

#include <utility>

namespace ostrel {

std::string Document::FileName() const {
  const std::size_t slash = path_.find_last_of('/');
  return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

void Document::Attach(std::string path, Design saved) {
  path_ = std::move(path);
  saved_ = std::move(saved);
}

void Document::Detach() {
  path_.clear();
  saved_ = Design{};
}

bool Document::IsModified(const Design& current) const {
  return HasFile() && !SameDesign(current, saved_);
}

bool Document::AsksBeforeClosing(const Design& current, bool pending) const {
  if (pending) return true;
  return HasFile() ? IsModified(current) : !SameDesign(current, StartupDesign());
}

std::string Document::WindowTitle() const {
  if (!HasFile()) return "Ostrel";
  return FileName() + "[*] \u2014 Ostrel";
}

std::string Document::SaveQuestion() const {
  return "Save changes to " + (HasFile() ? FileName() : std::string("Untitled")) + "?";
}

}  // namespace ostrel
