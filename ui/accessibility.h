// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <functional>

#include <QAccessible>
#include <QString>

class QMessageBox;
class QObject;
class QWidget;

namespace ostrel::ui {

// Whether assistive technology listens (or has listened since the first window was made).
bool AccessibilityListens();

// Runs `action` now where assistive technology listens, else once it first does (not after
// `owner` is gone). Every accessible name or description set sends an event for which Qt builds
// the control's accessible interface: with nobody listening, start-up time spent for nothing.
void WhenAccessibilityActive(QObject& owner, std::function<void()> action);

// What assistive technology reads of the calculator area, added beside its captions: each box
// named by its quantity (present/box_labels), the Calc, preset and frame names of
// present/accessible_text, and the unit options of each group inside a named grouping that
// covers them (their places in the window stay). Runs once, before the tab order is set; the
// names are set when assistive technology listens.
void ExposeCalculator(QWidget& calculator);

// Gives `widget` this accessible role instead of the one its class has: a tool window is a
// window named by its title, not a filler.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

// A message box whose button has the focus reports one focused object, not the button box too
// (its focus proxy). Call before exec().
void FocusOnlyTheButton(QMessageBox& box);

// The text alternative of a picture: its accessible description, announced when it changes.
void SetTextAlternative(QWidget& picture, const QString& text);

}  // namespace ostrel::ui
