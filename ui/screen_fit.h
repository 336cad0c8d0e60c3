// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QRect>
#include <QSize>

class QLayout;
class QMainWindow;
class QWidget;

namespace ostrel::ui {

// Keeps the window's central area (the calculator, at its own size) reachable in a window too
// small for it. The window holds the area itself, exactly as it always has, until a resize
// leaves it less room than its size; from then on the area sits in a frameless scroll area that
// keeps it at its size and shows scroll bars only while they are needed, and a control taking
// the focus is scrolled into view. The scroll area takes no focus: the Tab order stays the
// area's. The area's place in the window, with the scroll bars at rest, is the same.
void ScrollWhenTooSmall(QMainWindow& window);

// Lays `layout` out in a tool window, inside a frameless scroll area that fills the window,
// takes no focus and shows scroll bars only while the window is smaller than the controls need
// (a small screen); a control taking the focus is scrolled into view. Where the window is large
// enough it looks and behaves as if `layout` were the window's own, margins included.
void SetScrollingLayout(QWidget& window, QLayout* layout);

// Scrolls the scroll area holding `control` (if any) so that all of it shows, with a little room
// around it where the view has it.
void ScrollIntoView(QWidget& control);

// The size of a window that wants `wanted` (without its frame, which adds `frame`) on a screen
// whose free area is `available`: as wanted where it fits, else no larger than that area.
QSize FittedSize(QSize wanted, QSize frame, QSize available);

// Shrinks a top-level window that does not fit its screen's free area, lowering a minimum size
// the area cannot hold, and moves it into that area; one that fits keeps its size and place.
void FitToScreen(QWidget& window);

}  // namespace ostrel::ui
