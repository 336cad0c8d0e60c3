// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_chart.h"

#include "ui/plugin_loader.h"

namespace ostrel::ui {

CalibrationChartFactory* LoadCalibrationChart(QString* error) {
  return LoadProgramPluginOnce<CalibrationChartFactory>(
      QStringLiteral(OSTREL_CHART_PLUGIN_FILE), QStringLiteral("the plot plugin makes no plot"),
      error);
}

}  // namespace ostrel::ui
