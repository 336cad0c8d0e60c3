// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_menu.h"

#include <QAction>
#include <QMenu>

#include "ui/calibration_window.h"
#include "ui/document_window.h"
#include "ui/tool_windows.h"

namespace ostrel::ui {

namespace {

// Edit > Undo and Redo: the tool window's own actions, once it exists. No shortcut here: in the
// calculator Ctrl+Z stays the boxes' own undo.
void AddEditEntries(DocumentWindow& document) {
  QMenu* edit = document.EditMenu();
  QAction* first = edit->actions().value(0);
  QAction* undo = new QAction(QStringLiteral("&Undo Calibration Edit"), edit);
  undo->setObjectName(QStringLiteral("actionUndoCalibration"));
  QAction* redo = new QAction(QStringLiteral("Re&do Calibration Edit"), edit);
  redo->setObjectName(QStringLiteral("actionRedoCalibration"));
  edit->insertActions(first, {undo, redo});
  edit->insertSeparator(first);
  for (QAction* action : {undo, redo}) {
    action->setEnabled(false);
    QObject::connect(action, &QAction::triggered, &document, [&document, action, undo] {
      if (auto* window =
              document.findChild<CalibrationWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        (action == undo ? window->UndoAction() : window->RedoAction())->trigger();
      }
    });
  }
}

// Once the tool window exists, the Edit entries follow its actions.
void FollowEditEntries(DocumentWindow& document, CalibrationWindow& window) {
  const auto follow = [&document](const char* name, QAction* source) {
    QAction* entry = document.EditMenu()->findChild<QAction*>(QLatin1String(name));
    if (!entry) return;
    entry->setEnabled(source->isEnabled());
    QObject::connect(source, &QAction::enabledChanged, entry, &QAction::setEnabled);
  };
  follow("actionUndoCalibration", window.UndoAction());
  follow("actionRedoCalibration", window.RedoAction());
}

}  // namespace

void AddPressureCalibration(DocumentWindow& document) {
  QAction* action = document.ViewMenu()->addAction(QStringLiteral("Pressure &Calibration"));
  action->setObjectName(QStringLiteral("actionPressureCalibration"));
  QObject::connect(action, &QAction::triggered, &document,
                   [&document] { ShowPressureCalibration(document); });
  AddEditEntries(document);
}

CalibrationWindow& ShowPressureCalibration(DocumentWindow& document) {
  auto* window = document.findChild<CalibrationWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) {
    // A child of the document's window, so it closes with it, yet a window of its own.
    window = new CalibrationWindow(document.Calculator(), &document);
    window->SetPoints(document.Calibration());
    QObject::connect(window, &CalibrationWindow::PointsEdited, &document,
                     [&document, window] { document.SetCalibration(window->Points()); });
    QObject::connect(&document, &DocumentWindow::DesignReplaced, window,
                     [&document, window] { window->SetPoints(document.Calibration()); });
    FollowEditEntries(document, *window);
    PrepareToolWindow(*window, document);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return *window;
}

}  // namespace ostrel::ui
