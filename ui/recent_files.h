// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

namespace ostrel::ui {

// The only things remembered between runs: the designs last opened or saved, newest first, and
// the folder of the last one. Kept with QSettings under organisation and application "Ostrel",
// read at first use (start-up reads nothing). A change is made in memory and written once the
// event loop has nothing else to do, after the frame that shows the design: writing settings
// waits for the disk, on a slow one longer than a frame.
class RecentFiles final {
 public:
  static constexpr int kMaxFiles = 8;

  RecentFiles();
  // Writes what is still to be written.
  ~RecentFiles();

  QStringList Files() const;
  // Puts path first (once) and makes its folder the last folder used.
  void Add(const QString& path);
  void Clear();
  // Takes path off the list (an entry whose file is gone).
  void Remove(const QString& path);
  // Where the file dialogs start: the last folder used, else the user's documents folder where
  // it exists, else the home folder.
  QString LastFolder() const;

 private:
  void Load() const;
  void Write();

  mutable bool loaded_ = false;
  mutable QStringList files_;
  mutable QString folder_;
  QTimer write_;
};

}  // namespace ostrel::ui
