// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "painting/sheet.h"
#include "ui/cell_drawing_window.h"
#include "ui/document_window.h"
#include "ui/sheet_output.h"

namespace ostrel::ui {

namespace {

QString DesignPath(const DocumentWindow& window) {
  const Document& document = window.CurrentDocument();
  return document.HasFile() ? QString::fromStdString(document.Path()) : QString();
}

}  // namespace

std::unique_ptr<painting::DesignSheet> SheetOfDocument(const DocumentWindow& window,
                                                       const QDateTime& when) {
  return std::make_unique<painting::DesignSheet>(window.Calculator().Numbers(),
                                                 painting::SheetTitle(DesignPath(window)),
                                                 window.Calibration(), when);
}

void AddDrawingAndSheetActions(DocumentWindow& window) {
  QAction* drawing = window.ViewMenu()->addAction(QStringLiteral("Cell &Drawing"));
  drawing->setObjectName(QStringLiteral("actionCellDrawing"));
  QObject::connect(drawing, &QAction::triggered, &window,
                   [&window] { ShowCellDrawing(window.Calculator(), &window); });

  auto* pdf = new QAction(QStringLiteral("&Export Sheet as PDF\u2026"), &window);
  pdf->setObjectName(QStringLiteral("actionExportSheet"));
  QObject::connect(pdf, &QAction::triggered, &window, [&window] {
    if (!window.PrepareOutput()) return;
    ExportSheetAsPdf(&window, SheetOfDocument(window)->Content(), DesignPath(window));
  });
  window.AddFileOutputAction(pdf);

  auto* print = new QAction(QStringLiteral("&Print\u2026"), &window);
  print->setObjectName(QStringLiteral("actionPrint"));
  print->setShortcut(QKeySequence::Print);
  QObject::connect(print, &QAction::triggered, &window, [&window] {
    if (window.PrepareOutput()) PrintSheet(&window, SheetOfDocument(window)->Content());
  });
  window.AddFileOutputAction(print);
}

}  // namespace ostrel::ui
