// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/tool_windows.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/accessibility.h"
#include "ui/screen_fit.h"

namespace ostrel::ui {
namespace {

// An action belongs to every widget it is added to: its shortcut then triggers it from any of
// their windows, once, with the owner's handler.
void ShareShortcuts(const QList<QAction*>& actions, QWidget& tool) {
  for (QAction* action : actions) {
    if (QMenu* menu = action->menu()) {
      ShareShortcuts(menu->actions(), tool);
    } else if (!action->shortcut().isEmpty()) {
      tool.addAction(action);
    }
  }
}

}  // namespace

void PrepareToolWindow(QWidget& tool, QWidget& owner) {
  if (auto* main = qobject_cast<QMainWindow*>(&owner))
    ShareShortcuts(main->menuBar()->actions(), tool);
  auto* close = new QAction(QStringLiteral("Close"), &tool);
  close->setObjectName(QStringLiteral("actionCloseToolWindow"));
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  QObject::connect(close, &QAction::triggered, &tool, &QWidget::close);
  tool.addAction(close);
  SetAccessibleRole(tool, QAccessible::Window);
  FitToScreen(tool);
}

void AddMenuBarKey(QMainWindow& window) {
  auto* key = new QAction(QStringLiteral("Menu Bar"), &window);
  key->setObjectName(QStringLiteral("actionMenuBar"));
  key->setShortcut(QKeySequence(Qt::Key_F10));
  QObject::connect(key, &QAction::triggered, &window, [&window] {
    QMenuBar* bar = window.menuBar();
    for (QAction* menu : bar->actions()) {
      if (menu->isVisible() && menu->isEnabled()) {
        bar->setActiveAction(menu);
        return;
      }
    }
  });
  window.addAction(key);
}

}  // namespace ostrel::ui
