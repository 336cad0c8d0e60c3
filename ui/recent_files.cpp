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

RecentFiles::RecentFiles() = default;
RecentFiles::~RecentFiles() = default;

QSettings& RecentFiles::Settings() const {
  if (!settings_) settings_ = std::make_unique<QSettings>(kOrganisation, kApplication);
  return *settings_;
}

QStringList RecentFiles::Files() const {
  QStringList files = Settings().value(kFilesKey).toStringList();
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
  Settings().setValue(kFilesKey, files.mid(0, kMaxFiles));
  Settings().setValue(kFolderKey, info.absolutePath());
}

void RecentFiles::Clear() {
  Settings().remove(kFilesKey);
}

QString RecentFiles::LastFolder() const {
  const QString folder = Settings().value(kFolderKey).toString();
  if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace ostrel::ui
