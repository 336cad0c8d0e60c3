// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// Renders the calibration window with four points and a target, beside the calculator as it
// opens, into the PNG file named on the command line (docs/calibration.png). Not a test.
#include <cstdio>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "tests/calibration/calibration_window_support.h"
#include "ui/calibration_window.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  ostrel::ui::test::FindChartPlugin();
  ostrel::ui::UseWindowStyle();
  ostrel::ui::MainWindow calculator;
  ostrel::ui::CalibrationWindow window(calculator);
  window.SetPoints(ostrel::ui::test::FourPoints());
  auto* target = window.findChild<QLineEdit*>(QStringLiteral("targetPressure"));
  target->setText(QStringLiteral("10"));
  emit target->editingFinished();
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
