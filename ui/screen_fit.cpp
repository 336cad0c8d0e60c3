// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/screen_fit.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace ostrel::ui {
namespace {

// A window not yet shown has no frame; the window manager adds a title bar and borders of about
// this much, which a window as large as the screen must leave room for.
constexpr QSize kFrameBeforeShown(16, 48);
// Room kept around a control scrolled into view, so that its neighbours' edges show.
constexpr int kFocusMargin = 8;

// Whatever gives a control in `area` the focus (Tab, a fault report, a click on its visible
// edge) brings all of it into view.
void FollowFocus(QScrollArea& scroll, QWidget& area) {
  QWidget* const watched = &area;
  QObject::connect(qApp, &QApplication::focusChanged, &scroll, [watched](QWidget*, QWidget* now) {
    if (now && watched->isAncestorOf(now)) ScrollIntoView(*now);
  });
}

QScrollArea* FramelessScrollArea(QWidget* parent) {
  auto* scroll = new QScrollArea(parent);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  return scroll;
}

}  // namespace

// Watches the window's resizes until the area first needs scrolling, then wraps it and retires.
// It sees a resize before the window's layout does, so the area is never squeezed.
class ScrollWrapper final : public QObject {
 public:
  ScrollWrapper(QMainWindow& window, QWidget& area)
      : QObject(&window), window_(window), area_(area), size_(area.size()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Resize && TooSmall()) {
      window_.removeEventFilter(this);
      Wrap();
      deleteLater();
    }
    return false;
  }

 private:
  bool TooSmall() const {
    const QMenuBar* bar = window_.menuBar();
    const int bar_height = bar->isNativeMenuBar() ? 0 : bar->sizeHint().height();
    return window_.width() < size_.width() || window_.height() - bar_height < size_.height();
  }

  void Wrap() {
    QWidget* const focus = QApplication::focusWidget();
    const bool focus_inside = focus && area_.isAncestorOf(focus);
    window_.takeCentralWidget();
    QScrollArea* scroll = FramelessScrollArea(nullptr);
    scroll->setObjectName(QStringLiteral("calculatorScroll"));
    scroll->setWidgetResizable(false);
    scroll->setWidget(&area_);
    area_.resize(size_);
    window_.setCentralWidget(scroll);
    area_.show();
    FollowFocus(*scroll, area_);
    // Moving the area clears its focus; the same control keeps it.
    if (focus_inside) focus->setFocus(Qt::OtherFocusReason);
  }

  QMainWindow& window_;
  QWidget& area_;
  const QSize size_;
};

QSize FittedSize(QSize wanted, QSize frame, QSize available) {
  return wanted.boundedTo(available - frame).expandedTo(QSize(1, 1));
}

void ScrollIntoView(QWidget& control) {
  QScrollArea* scroll = nullptr;
  for (QWidget* w = control.parentWidget(); w && !scroll; w = w->parentWidget())
    scroll = qobject_cast<QScrollArea*>(w);
  if (!scroll || !scroll->widget() || !scroll->widget()->isAncestorOf(&control)) return;
  // The whole control, not only a text box's cursor as QScrollArea::ensureWidgetVisible does.
  const QRect rect(control.mapTo(scroll->widget(), QPoint(0, 0)), control.size());
  // One larger than the view fills it, centred.
  const QSize view = scroll->viewport()->size();
  scroll->ensureVisible(rect.center().x(), rect.center().y(),
                        std::min(rect.width() / 2 + kFocusMargin, view.width() / 2),
                        std::min(rect.height() / 2 + kFocusMargin, view.height() / 2));
}

void ScrollWhenTooSmall(QMainWindow& window) {
  window.installEventFilter(new ScrollWrapper(window, *window.centralWidget()));
}

void SetScrollingLayout(QWidget& window, QLayout* layout) {
  auto* outer = new QVBoxLayout(&window);
  outer->setContentsMargins(0, 0, 0, 0);
  QScrollArea* scroll = FramelessScrollArea(&window);
  scroll->setObjectName(QStringLiteral("toolWindowScroll"));
  // The controls take the whole view where it is larger than they need, and scroll where not.
  scroll->setWidgetResizable(true);
  auto* area = new QWidget;
  // A window's margins are wider than those of a widget inside it.
  const QStyle* style = window.style();
  layout->setContentsMargins(style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &window),
                             style->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, &window),
                             style->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &window),
                             style->pixelMetric(QStyle::PM_LayoutBottomMargin, nullptr, &window));
  area->setLayout(layout);
  scroll->setWidget(area);
  outer->addWidget(scroll);
  FollowFocus(*scroll, *area);
}

void FitToScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QSize frame =
      window.isVisible() ? window.frameGeometry().size() - window.size() : kFrameBeforeShown;
  const QSize minimum = window.minimumSize().boundedTo(available.size() - frame);
  if (minimum != window.minimumSize()) window.setMinimumSize(minimum);
  const QSize size = FittedSize(window.size(), frame, available.size());
  if (size == window.size()) return;
  window.resize(size);
  QRect place = window.frameGeometry();
  place.setSize(size + frame);
  place.moveLeft(std::clamp(place.left(), available.left(), available.right() - place.width() + 1));
  place.moveTop(std::clamp(place.top(), available.top(), available.bottom() - place.height() + 1));
  window.move(place.topLeft());
}

}  // namespace ostrel::ui
