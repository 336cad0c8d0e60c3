// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "ui/cell_drawing_window.h"
#include "ui/document_window.h"
#include "ui/sheet_output.h"

namespace ostrel::ui {

namespace {

QString DesignPath(const DocumentWindow& window) {
  const Document& document = window.CurrentDocument();
  return document.HasFile() ? QString::fromStdString(document.Path()) : QString();
}

// The sheet both Export and Print produce: what the calculator shows, titled with the design's
// file. A block under the figures (content.paint_extra) goes in here.
painting::SheetContent DocumentSheet(DocumentWindow& window) {
  return SheetOf(window.Calculator(), DesignPath(window));
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
    ExportSheetAsPdf(&window, DocumentSheet(window), DesignPath(window));
  });
  window.AddFileOutputAction(pdf);

  auto* print = new QAction(QStringLiteral("&Print\u2026"), &window);
  print->setObjectName(QStringLiteral("actionPrint"));
  print->setShortcut(QKeySequence::Print);
  QObject::connect(print, &QAction::triggered, &window,
                   [&window] { PrintSheet(&window, DocumentSheet(window)); });
  window.AddFileOutputAction(print);
}

}  // namespace ostrel::ui
