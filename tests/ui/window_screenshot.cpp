// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Renders the window as it opens, menu bar and calculator area, into the PNG file named on the
// command line.

#include <cstdio>

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include "ui/document_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  ostrel::ui::UseWindowStyle();
  ostrel::ui::DocumentWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
