// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// Renders the calibration window with four points and a target, beside the calculator as it
// opens, into the PNG file named on the command line (docs/calibration.png); with --refusal
// first, after a new point's pressure of -2 was refused (docs/calibration-refusal.png); with
// --cell-refusal first, after -2 typed into the third point's pressure was refused: its editor
// opens again, marked (docs/calibration-cell-refusal.png). Not a test.
#include <cstdio>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstring>

#include "tests/calibration/calibration_window_support.h"
#include "ui/calibration_window.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool refusal = argc == 3 && std::strcmp(argv[1], "--refusal") == 0;
  const bool cell_refusal = argc == 3 && std::strcmp(argv[1], "--cell-refusal") == 0;
  if (argc != 2 && !refusal && !cell_refusal) {
    std::fprintf(stderr, "usage: %s [--refusal | --cell-refusal] OUTPUT.png\n", argv[0]);
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
  if (refusal) {
    window.findChild<QLineEdit*>(QStringLiteral("newForce"))->setText(QStringLiteral("150"));
    window.findChild<QLineEdit*>(QStringLiteral("newPressure"))->setText(QStringLiteral("-2"));
    window.findChild<QLineEdit*>(QStringLiteral("newLabel"))
        ->setText(QStringLiteral("Ba I\u2013II"));
    window.findChild<QPushButton*>(QStringLiteral("addPoint"))->click();
  }
  if (cell_refusal) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return 1;
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("calibrationTable"));
    table->setFocus();
    table->setCurrentCell(2, 1);
    table->editItem(table->item(2, 1));
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
    if (!editor) return 1;
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("-2"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The commit, then the refused cell's editor opening again, come from the event loop.
    QTest::qWait(50);
  }
  return window.grab().save(QString::fromLocal8Bit(argv[argc - 1])) ? 0 : 1;
}
