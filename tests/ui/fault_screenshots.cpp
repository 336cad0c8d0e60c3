// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Renders one fault report of each kind (an unreadable box, a calculation, a box that cannot
// show its value) into fault-reading.png, fault-calculation.png and fault-display.png in the
// folder named on the command line.

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/main_window.h"
#include "ui/window_style.h"

namespace {

struct Shot {
  const char* file;
  const char* box;
  const char* text;
  const char* button;
};

constexpr Shot kShots[] = {
    {"fault-reading.png", "txtOEL", "abc", "cmdCalc"},
    {"fault-calculation.png", "txtTEL", "0", "cmdCalc"},
    {"fault-display.png", "txtHoleDiameter", "1e5", "cmdHole"},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  ostrel::ui::UseWindowStyle();
  int failures = 0;
  for (const Shot& shot : kShots) {
    ostrel::ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    bool saved = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      saved = box->grab().save(folder.filePath(QString::fromUtf8(shot.file)));
      box->accept();
    });
    poll.start();
    window.findChild<QLineEdit*>(QString::fromUtf8(shot.box))
        ->setText(QString::fromUtf8(shot.text));
    window.findChild<QPushButton*>(QString::fromUtf8(shot.button))->click();
    if (!saved) {
      std::fprintf(stderr, "no report for %s\n", shot.file);
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
