// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/cell_drawing_window.h"

#include <QPainter>
#include <QScreen>

#include "painting/figure_painter.h"
#include "ui/accessibility.h"
#include "ui/main_window.h"
#include "ui/tool_windows.h"

namespace ostrel::ui {

namespace {

QFont DrawingFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.5);
  return font;
}

}  // namespace

CellDrawingWindow::CellDrawingWindow(const MainWindow& calculator, QWidget* owner)
    : QWidget(owner, Qt::Tool), calculator_(calculator) {
  setObjectName(QStringLiteral("frmCellDrawing"));
  setWindowTitle(QStringLiteral("Cell Drawing"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(480, 360);
  setFont(DrawingFont());
  // Reached with the keyboard, so that a screen reader can read its text alternative.
  setFocusPolicy(Qt::StrongFocus);
  connect(&calculator, &MainWindow::Refreshed, this, &CellDrawingWindow::Follow);
  Follow();
}

void CellDrawingWindow::Follow() {
  SetTextAlternative(*this, painting::CellFiguresText(calculator_.State(), calculator_));
  update();
}

QSize CellDrawingWindow::sizeHint() const {
  return {760, 560};
}

void CellDrawingWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const double margin = fontMetrics().height();
  const QRectF area = QRectF(rect()).adjusted(margin, margin / 2, -margin, -margin / 2);
  // The design's numbers, never the boxes' texts; a design without them is not drawn.
  const DesignNumbers& numbers = calculator_.Numbers();
  if (!numbers.Whole()) {
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Cannot be drawn: the design cannot be computed. ") +
                         QString::fromStdString(WhyNotComputed(numbers)));
    return;
  }
  const painting::FigureStyle style{font(), painting::DevicePerMm(logicalDpiX())};
  painting::PaintCellFigures(painter, area, numbers.state, numbers.view, style);
}

CellDrawingWindow* ShowCellDrawing(const MainWindow& calculator, QWidget* owner) {
  auto* window = owner->findChild<CellDrawingWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (window == nullptr) {
    window = new CellDrawingWindow(calculator, owner);
    window->resize(window->sizeHint());
    // Beside the calculator on the right, where the screen leaves room for it.
    const QRect frame = owner->frameGeometry();
    const QScreen* screen = owner->screen();
    if (screen && frame.right() + window->width() < screen->availableGeometry().right()) {
      window->move(frame.right() + 8, frame.top());
    }
    PrepareToolWindow(*window, *owner);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace ostrel::ui
