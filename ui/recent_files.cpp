// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace ostrel::ui {
namespace {

const QString kFilesKey = QStringLiteral("recentFiles");
const QString kFolderKey = QStringLiteral("lastFolder");

const QString kOrganisation = QStringLiteral("Ostrel");
const QString kApplication = QStringLiteral("Ostrel");

}  // namespace

QStringList RecentFiles::Files() const {
  const QSettings settings(kOrganisation, kApplication);
  QStringList files = settings.value(kFilesKey).toStringList();
  // A hand-edited settings file may hold more or repeated names.
  files.removeDuplicates();
  files.removeAll(QString());
  return files.mid(0, kMaxFiles);
}

void RecentFiles::Add(const QString& path) {
  const QFileInfo info(path);
  const QString absolute = info.absoluteFilePath();
  QStringList files = Files();
  files.removeAll(absolute);
  files.prepend(absolute);
  QSettings settings(kOrganisation, kApplication);
  settings.setValue(kFilesKey, files.mid(0, kMaxFiles));
  settings.setValue(kFolderKey, info.absolutePath());
}

void RecentFiles::Clear() {
  QSettings settings(kOrganisation, kApplication);
  settings.remove(kFilesKey);
}

QString RecentFiles::LastFolder() const {
  const QSettings settings(kOrganisation, kApplication);
  const QString folder = settings.value(kFolderKey).toString();
  if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace ostrel::ui
