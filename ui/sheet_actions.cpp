// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "painting/calibration_sheet.h"
#include "ui/cell_drawing_window.h"
#include "ui/document_window.h"
#include "ui/sheet_output.h"

namespace ostrel::ui {

namespace {

QString DesignPath(const DocumentWindow& window) {
  const Document& document = window.CurrentDocument();
  return document.HasFile() ? QString::fromStdString(document.Path()) : QString();
}

// The sheet of the calculator as it stands, with the design's calibration.
painting::SheetContent SheetOfDocument(DocumentWindow& window) {
  painting::SheetContent content = SheetOf(window.Calculator(), DesignPath(window));
  painting::AddCalibrationToSheet(content, window.Calibration());
  return content;
}

}  // namespace

void AddDrawingAndSheetActions(DocumentWindow& window) {
  QAction* drawing = window.ViewMenu()->addAction(QStringLiteral("Cell &Drawing"));
  drawing->setObjectName(QStringLiteral("actionCellDrawing"));
  QObject::connect(drawing, &QAction::triggered, &window,
                   [&window] { ShowCellDrawing(window.Calculator(), &window); });

  auto* pdf = new QAction(QStringLiteral("&Export Sheet as PDF\u2026"), &window);
  pdf->setObjectName(QStringLiteral("actionExportSheet"));
  QObject::connect(pdf, &QAction::triggered, &window, [&window] {
    const QString path = DesignPath(window);
    ExportSheetAsPdf(&window, SheetOfDocument(window), path);
  });
  window.AddFileOutputAction(pdf);

  auto* print = new QAction(QStringLiteral("&Print\u2026"), &window);
  print->setObjectName(QStringLiteral("actionPrint"));
  print->setShortcut(QKeySequence::Print);
  QObject::connect(print, &QAction::triggered, &window,
                   [&window] { PrintSheet(&window, SheetOfDocument(window)); });
  window.AddFileOutputAction(print);
}

}  // namespace ostrel::ui
