// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>

#include "design/design.h"

namespace ostrel {

// The design as a document: the file it is attached to and the design as last opened from or
// saved to that file. The window asks it what to show in its title, whether the design is
// modified and whether to ask before the design is discarded.
//
// Data flow: open or save -> Attach(path, design as in the file); every refresh ->
// IsModified(the window's current design) -> the title's modified marker.
//
// Pure C++: no Qt, no file access.
class Document final {
 public:
  bool HasFile() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }
  // The last component of the path: what the title and the save question name.
  std::string FileName() const;

  // After the design was opened from or saved to path: that file's design is the one compared.
  void Attach(std::string path, Design saved);
  // After New: untitled again.
  void Detach();

  // Differs from the design as last opened or saved (inputs bit for bit, units, calibration).
  // An untitled design has nothing to differ from and is never modified.
  bool IsModified(const Design& current) const;
  // Only a modified design that has a file asks before New, Open or closing discards it.
  bool AsksBeforeDiscarding(const Design& current) const { return IsModified(current); }

  // What the window asks about before New, Open or closing discards the design: a modified design
  // with a file, an untitled one that differs from the start-up design, and either with a
  // typed value not yet calculated (pending).
  bool AsksBeforeClosing(const Design& current, bool pending) const;

  // "Ostrel" while untitled, else "<file name>[*] — Ostrel" with the window's modified marker.
  std::string WindowTitle() const;
  // "Save changes to <file name>?", "Save changes to Untitled?" without a file.
  std::string SaveQuestion() const;

 private:
  std::string path_;
  Design saved_;
};

}  // namespace ostrel
