// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QStringList>

namespace ostrel::ui {

CalibrationChartFactory* LoadCalibrationChart(QString* error) {
  static CalibrationChartFactory* factory = nullptr;
  static QString failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    QStringList places{QDir(QCoreApplication::applicationDirPath())
                           .filePath(QStringLiteral(OSTREL_CHART_PLUGIN_RELATIVE_DIR))};
    places += QCoreApplication::libraryPaths();
    const QString file = QStringLiteral(OSTREL_CHART_PLUGIN_FILE);
    for (const QString& place : places) {
      const QString path = QDir(place).filePath(file);
      if (!QFile::exists(path)) continue;
      QPluginLoader loader(path);
      factory = qobject_cast<CalibrationChartFactory*>(loader.instance());
      if (factory) break;
      failure = loader.errorString();
    }
    if (!factory && failure.isEmpty()) {
      failure =
          QStringLiteral("%1 was not found in %2").arg(file, places.join(QStringLiteral(", ")));
    }
  }
  if (!factory && error) *error = failure;
  return factory;
}

}  // namespace ostrel::ui
