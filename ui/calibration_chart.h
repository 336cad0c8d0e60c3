// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>

#include <QString>
#include <QtPlugin>

#include "calibration/presenter/calibration_view.h"

class QWidget;

namespace ostrel::ui {

// The calibration window's plot. It lives in a plugin of its own (calibration_chart_plugin/),
// loaded when the window first opens: linking the plotting library into the program would make
// every start-up pay for loading it.
class CalibrationChart {
 public:
  virtual ~CalibrationChart() = default;
  virtual QWidget* Widget() = 0;
  // Draws the lines as given; the chart computes nothing.
  virtual void Plot(const CalibrationPlotData& plot) = 0;
};

class CalibrationChartFactory {
 public:
  virtual ~CalibrationChartFactory() = default;
  virtual std::unique_ptr<CalibrationChart> Create(QWidget* parent) = 0;
};

// The plugin, loaded on the first call (once per process), or null with the reason in *error.
// It is looked for beside the program as installed (the library directory's ostrel/, relative
// to the program's), then in the application's library paths.
CalibrationChartFactory* LoadCalibrationChart(QString* error);

}  // namespace ostrel::ui

#define OSTREL_CALIBRATION_CHART_IID "org.ostrel.Ostrel.CalibrationChartFactory/1"
Q_DECLARE_INTERFACE(ostrel::ui::CalibrationChartFactory, OSTREL_CALIBRATION_CHART_IID)
