// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QObject>
#include <QString>

namespace ostrel::ui {

// The instance of one of the program's own plugins (the calibration plot, the printer), looked
// for beside the program as installed (the library directory's ostrel/, relative to the
// program's), then in the application's library paths; null with the reason in *failure.
QObject* LoadProgramPlugin(const QString& file, QString* failure);

// The plugin `file`'s `Interface`, loaded on the first call of each Interface and the same answer
// ever after: null with the reason in *error (when given), `not_it` where the plugin loads but
// does not offer the Interface.
template <typename Interface>
Interface* LoadProgramPluginOnce(const QString& file, const QString& not_it, QString* error) {
  static Interface* loaded = nullptr;
  static QString failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    QObject* instance = LoadProgramPlugin(file, &failure);
    loaded = qobject_cast<Interface*>(instance);
    if (instance && !loaded) failure = not_it;
  }
  if (!loaded && error) *error = failure;
  return loaded;
}

}  // namespace ostrel::ui
