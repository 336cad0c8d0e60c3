// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QSize>
#include <QWidget>

namespace ostrel::ui {

class MainWindow;

// The live drawing: a tool window beside the calculator showing the three figures of the design
// it holds, repainted after every refresh (a unit change included). It only reads the
// calculator's state and texts; painting/ does the drawing.
class CellDrawingWindow final : public QWidget {
 public:
  // A tool window of `owner` (it stays above it and closes with it) that follows `calculator`.
  CellDrawingWindow(const MainWindow& calculator, QWidget* owner);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const MainWindow& calculator_;
};

// Shows the drawing, creating it on first use so that start-up never pays for it; `window`
// keeps it between calls. Brings an open one to the front.
void ShowCellDrawing(CellDrawingWindow*& window, const MainWindow& calculator, QWidget* owner);

}  // namespace ostrel::ui
