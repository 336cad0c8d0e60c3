// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_output.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>

#include "painting/paper.h"
#include "painting/sheet_pdf.h"
#include "ui/accessibility.h"
#include "ui/main_window.h"
#include "ui/sheet_printer.h"

namespace ostrel::ui {
namespace {

// A warning titled "Ostrel" whose button is its one focused object.
void Warn(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Ostrel"), text, QMessageBox::Ok, parent);
  FocusOnlyTheButton(box);
  box.exec();
}

}  // namespace

painting::SheetContent SheetOf(const MainWindow& calculator, const QString& design_path) {
  painting::SheetContent content;
  content.title = painting::SheetTitle(design_path);
  content.when = QDateTime::currentDateTime();
  // The design's numbers, never the boxes' texts.
  content.state = &calculator.Numbers().state;
  content.view = &calculator.Numbers().view;
  return content;
}

bool ExportSheetAsPdf(QWidget* parent, const painting::SheetContent& content,
                      const QString& design_path) {
  const QFileInfo design(design_path);
  const QString suggested =
      design_path.isEmpty()
          ? QDir::home().filePath(QStringLiteral("Untitled design.pdf"))
          : design.dir().filePath(design.completeBaseName() + QStringLiteral(".pdf"));
  const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Sheet as PDF"),
                                                    suggested, QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return false;
  const QString error = painting::WriteSheetPdf(path, content);
  if (!error.isEmpty()) {
    Warn(parent, error);
    return false;
  }
  return true;
}

bool PrintSheet(QWidget* parent, const painting::SheetContent& content) {
  QString error;
  SheetPrinter* printer = LoadSheetPrinter(&error);
  if (!printer) {
    Warn(parent, QStringLiteral("The sheet could not be printed: printing is not "
                                "available (%1).")
                     .arg(error));
    return false;
  }
  const auto paint = [&content](QPainter& painter, const QRectF& page, int dots_per_inch) {
    painting::PaintSheet(painter, page, painting::DevicePerMm(dots_per_inch), content);
  };
  switch (printer->Print(parent, QStringLiteral("Print Sheet"), content.title,
                         QPageSize(painting::PaperFor(QLocale())), paint)) {
    case SheetPrinter::Outcome::Printed:
      return true;
    case SheetPrinter::Outcome::Cancelled:
      return false;
    case SheetPrinter::Outcome::NotStarted:
      break;
  }
  Warn(parent, QStringLiteral("The sheet could not be printed: the printer could not "
                              "be started."));
  return false;
}

}  // namespace ostrel::ui
