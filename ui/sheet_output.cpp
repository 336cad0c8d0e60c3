// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_output.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "painting/paper.h"
#include "painting/sheet_pdf.h"
#include "ui/main_window.h"

namespace ostrel::ui {

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
    QMessageBox::warning(parent, QStringLiteral("Ostrel"), error);
    return false;
  }
  return true;
}

bool PrintSheet(QWidget* parent, const painting::SheetContent& content) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(painting::PaperFor(QLocale())));
  printer.setDocName(content.title);
  // The sheet keeps its own margins, wider than any printer's unprintable edge.
  printer.setFullPage(true);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print Sheet"));
  if (dialog.exec() != QDialog::Accepted) return false;
  QPainter painter;
  if (!painter.begin(&printer)) {
    QMessageBox::warning(parent, QStringLiteral("Ostrel"),
                         QStringLiteral("The sheet could not be printed: the printer could not "
                                        "be started."));
    return false;
  }
  const QRectF page = printer.paperRect(QPrinter::DevicePixel);
  painting::PaintSheet(painter, QRectF(0, 0, page.width(), page.height()),
                       painting::DevicePerMm(printer.resolution()), content);
  return painter.end();
}

}  // namespace ostrel::ui
