// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>
#include <QStringList>

namespace ostrel::ui {

// The only things remembered between runs: the designs last opened or saved, newest first, and
// the folder of the last one. Kept with QSettings under organisation and application "Ostrel".
class RecentFiles final {
 public:
  static constexpr int kMaxFiles = 8;

  QStringList Files() const;
  // Puts path first (once) and makes its folder the last folder used.
  void Add(const QString& path);
  void Clear();
  // Where the file dialogs start: the last folder used, else the user's documents folder.
  QString LastFolder() const;
};

}  // namespace ostrel::ui
