// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

class QMainWindow;
class QWidget;

namespace ostrel::ui {

// Makes a window of the program's (the cell drawing, the pressure calibration) behave as a tool
// window of `owner`: the shortcuts of the owner's menus work in it as in the owner, Escape closes
// it, assistive technology sees a window named by its title, and it fits the screen. Called once,
// when it is created; the owner's menus are complete by then.
void PrepareToolWindow(QWidget& tool, QWidget& owner);

// F10 opens the first menu of the window's menu bar, as on most Linux desktops; the menu bar
// still takes no focus from Tab.
void AddMenuBarKey(QMainWindow& window);

}  // namespace ostrel::ui
