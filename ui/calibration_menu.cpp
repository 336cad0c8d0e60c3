// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_menu.h"

#include <QAction>
#include <QMenu>

#include "ui/calibration_window.h"
#include "ui/document_window.h"
#include "ui/tool_windows.h"

namespace ostrel::ui {

void AddPressureCalibration(DocumentWindow& document) {
  QAction* action = document.ViewMenu()->addAction(QStringLiteral("Pressure &Calibration"));
  action->setObjectName(QStringLiteral("actionPressureCalibration"));
  QObject::connect(action, &QAction::triggered, &document,
                   [&document] { ShowPressureCalibration(document); });
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
    PrepareToolWindow(*window, document);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return *window;
}

}  // namespace ostrel::ui
