// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace ostrel::ui {
namespace {

const QString kOrganisation = QStringLiteral("Ostrel");
const QString kApplication = QStringLiteral("Ostrel");
const QString kFilesKey = QStringLiteral("recentFiles");
const QString kFolderKey = QStringLiteral("lastFolder");

}  // namespace

RecentFiles::RecentFiles() {
  // A zero timer fires once the posted events are delivered, the window's repaint among them.
  write_.setSingleShot(true);
  write_.setInterval(0);
  QObject::connect(&write_, &QTimer::timeout, [this] { Write(); });
}

RecentFiles::~RecentFiles() {
  if (write_.isActive()) Write();
}

void RecentFiles::Load() const {
  if (loaded_) return;
  const QSettings settings(kOrganisation, kApplication);
  files_ = settings.value(kFilesKey).toStringList();
  // A hand-edited settings file may hold more or repeated names.
  files_.removeDuplicates();
  files_.removeAll(QString());
  files_ = files_.mid(0, kMaxFiles);
  folder_ = settings.value(kFolderKey).toString();
  loaded_ = true;
}

void RecentFiles::Write() {
  write_.stop();
  QSettings settings(kOrganisation, kApplication);
  if (files_.isEmpty()) {
    settings.remove(kFilesKey);
  } else {
    settings.setValue(kFilesKey, files_);
  }
  if (!folder_.isEmpty()) settings.setValue(kFolderKey, folder_);
}

QStringList RecentFiles::Files() const {
  Load();
  return files_;
}

void RecentFiles::Add(const QString& path) {
  Load();
  const QFileInfo info(path);
  files_.removeAll(info.absoluteFilePath());
  files_.prepend(info.absoluteFilePath());
  files_ = files_.mid(0, kMaxFiles);
  folder_ = info.absolutePath();
  write_.start();
}

void RecentFiles::Clear() {
  Load();
  files_.clear();
  write_.start();
}

QString RecentFiles::LastFolder() const {
  Load();
  if (!folder_.isEmpty() && QDir(folder_).exists()) return folder_;
  // The documents folder is named even where it was never made; a dialog handed a folder that
  // is not there takes its name for the file's.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return documents;
  return QDir::homePath();
}

void RecentFiles::Remove(const QString& path) {
  Load();
  if (files_.removeAll(QFileInfo(path).absoluteFilePath()) > 0) write_.start();
}

}  // namespace ostrel::ui
