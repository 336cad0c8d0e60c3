// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Renders two states of the window into the folder named on the command line: marks.png, the
// boxes section 1's Calc left unrecalculated after a new octahedron edge (grey), and
// not-computed.png, a design whose truncation edge of 0 faults (the theoretical pressure empty).

#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "design/open_design.h"
#include "ui/document_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  ostrel::ui::UseWindowStyle();
  ostrel::ui::DocumentWindow window(nullptr, [](ostrel::Fault) {});
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  ostrel::ui::MainWindow& calculator = window.Calculator();
  calculator.findChild<QLineEdit*>(QStringLiteral("txtOEL"))->setText(QStringLiteral("30"));
  calculator.findChild<QAbstractButton*>(QStringLiteral("cmdCalc"))->click();
  if (!window.grab().save(folder.filePath(QStringLiteral("marks.png")))) return 1;

  ostrel::Design design = ostrel::StartupDesign();
  design.inputs[1] = 0;
  calculator.Open(design);
  return window.grab().save(folder.filePath(QStringLiteral("not-computed.png"))) ? 0 : 1;
}
