// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// A window with nothing in it, sized and titled like the calculator: shown for reference
// beside minwin, to tell the toolkit's own start-up from its font and text start-up.
#include <QApplication>
#include <QString>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Ostrel"));
  window.resize(836, 688);
  window.show();
  return app.exec();
}
