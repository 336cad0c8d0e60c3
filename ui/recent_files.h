// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>

#include <QString>
#include <QStringList>

class QSettings;

namespace ostrel::ui {

// The only things remembered between runs: the designs last opened or saved, newest first, and
// the folder of the last one. Kept with QSettings under organisation and application "Ostrel",
// opened at first use (start-up reads nothing) and kept open, so that a change is made in memory
// and QSettings writes it to disk from the event loop, after the frame that shows the design.
class RecentFiles final {
 public:
  static constexpr int kMaxFiles = 8;

  RecentFiles();
  ~RecentFiles();

  QStringList Files() const;
  // Puts path first (once) and makes its folder the last folder used.
  void Add(const QString& path);
  void Clear();
  // Where the file dialogs start: the last folder used, else the user's documents folder.
  QString LastFolder() const;

 private:
  QSettings& Settings() const;

  mutable std::unique_ptr<QSettings> settings_;
};

}  // namespace ostrel::ui
