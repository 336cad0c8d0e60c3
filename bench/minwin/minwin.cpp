// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The least window of the toolkit that shows a number, sized and titled like the calculator:
// the floor its start-up is measured against. A label and a box holding a number make the
// toolkit start its font and text machinery, as any program that shows numbers must; the style
// and the font are set up as the calculator sets them, since both are part of that start.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "ui/window_style.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ostrel::ui::UseWindowStyle();
  QWidget window;
  window.setWindowTitle(QStringLiteral("Ostrel"));
  // The calculator's window font (ui/main_window.cpp), which it keeps to itself.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  font.setHintingPreference(QFont::PreferNoHinting);
  window.setFont(font);
  window.resize(836, 688);
  auto* label = new QLabel(QStringLiteral("OEL"), &window);
  label->setGeometry(104, 48, 57, 25);
  auto* box = new QLineEdit(QStringLiteral("14"), &window);
  box->setGeometry(16, 40, 81, 33);
  window.show();
  return app.exec();
}
