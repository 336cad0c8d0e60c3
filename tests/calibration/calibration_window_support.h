// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <vector>

#include <QCoreApplication>

#include "calibration/calibration_point.h"

namespace ostrel::ui::test {

// A 14/8 assembly calibrated at four fixed points (force in kN, pressure in GPa).
inline std::vector<CalibrationPoint> FourPoints() {
  return {{260, 2.55f, "Bi I\u2013II"},
          {960, 7.7f, "Bi III\u2013V"},
          {1300, 9.6f, "ZnTe LP\u2013HP1"},
          {1800, 12.0f, "ZnTe HP1\u2013HP2"}};
}

// The plot's plugin as built, for programs that do not run from the installed layout.
inline void FindChartPlugin() {
  QCoreApplication::addLibraryPath(QStringLiteral(OSTREL_CHART_PLUGIN_BUILD_DIR));
}

}  // namespace ostrel::ui::test
