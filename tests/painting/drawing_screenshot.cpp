// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
// Renders the cell drawing tool window at its default size into the PNG file named on the
// command line (docs/drawing.png; with QT_SCALE_FACTOR=2, docs/drawing-2x.png).

#include <cstdio>

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include "design/open_design.h"
#include "ui/cell_drawing_window.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png [KEY=VALUE|inches]...\n", argv[0]);
    return 2;
  }
  ostrel::ui::UseWindowStyle();
  ostrel::ui::MainWindow calculator;
  // Another design for a look at it: design keys with values in millimetres, "inches", and
  // "size=WxH" for another window size.
  QSize size;
  ostrel::Design design = ostrel::StartupDesign();
  for (int i = 2; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("inches")) design.units.length = 1;
    if (arg.startsWith(QLatin1String("size="))) {
      const QStringList wh = arg.mid(5).split(QLatin1Char('x'));
      if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
    }
    for (int k = 0; k < ostrel::kDesignInputCount; ++k) {
      const QString key = QString::fromLatin1(ostrel::kDesignInputs[k].key) + QLatin1Char('=');
      if (arg.startsWith(key)) design.inputs[k] = arg.mid(key.size()).toFloat();
    }
  }
  (void)ostrel::OpenDesign(design, calculator.MutableState(), calculator);
  ostrel::ui::CellDrawingWindow* drawing = ostrel::ui::ShowCellDrawing(calculator, &calculator);
  drawing->resize(size.isValid() ? size : drawing->sizeHint());
  if (!QTest::qWaitForWindowExposed(drawing)) return 1;
  return drawing->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
