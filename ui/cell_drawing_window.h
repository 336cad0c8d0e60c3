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
  Q_OBJECT

 public:
  // A tool window of `owner` (it stays above it and closes with it) that follows `calculator`.
  CellDrawingWindow(const MainWindow& calculator, QWidget* owner);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Repaints, and puts into words what the figures show (the drawing's text alternative).
  void Follow();

  const MainWindow& calculator_;
};

// Shows the drawing of `owner`, creating it on first use so that start-up never pays for it,
// and brings it to the front; the same window from then on.
CellDrawingWindow* ShowCellDrawing(const MainWindow& calculator, QWidget* owner);

}  // namespace ostrel::ui
