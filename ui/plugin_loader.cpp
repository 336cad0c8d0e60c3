// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/plugin_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QStringList>

namespace ostrel::ui {

QObject* LoadProgramPlugin(const QString& file, QString* failure) {
  QStringList places{QDir(QCoreApplication::applicationDirPath())
                         .filePath(QStringLiteral(OSTREL_PLUGIN_RELATIVE_DIR))};
  places += QCoreApplication::libraryPaths();
  QString error;
  for (const QString& place : places) {
    const QString path = QDir(place).filePath(file);
    if (!QFile::exists(path)) continue;
    QPluginLoader loader(path);
    if (QObject* instance = loader.instance()) return instance;
    error = loader.errorString();
  }
  if (error.isEmpty())
    error = QStringLiteral("%1 was not found in %2").arg(file, places.join(QStringLiteral(", ")));
  if (failure) *failure = error;
  return nullptr;
}

}  // namespace ostrel::ui
