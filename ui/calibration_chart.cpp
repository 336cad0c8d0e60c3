// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_chart.h"

#include "ui/plugin_loader.h"

namespace ostrel::ui {

CalibrationChartFactory* LoadCalibrationChart(QString* error) {
  static CalibrationChartFactory* factory = nullptr;
  static QString failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    QObject* instance = LoadProgramPlugin(QStringLiteral(OSTREL_CHART_PLUGIN_FILE), &failure);
    factory = qobject_cast<CalibrationChartFactory*>(instance);
    if (instance && !factory) failure = QStringLiteral("the plot plugin makes no plot");
  }
  if (!factory && error) *error = failure;
  return factory;
}

}  // namespace ostrel::ui
