// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// Printing with Qt Print Support, built as a plugin that the program loads when the user first
// prints. Runs the print dialog and starts the printer; the program paints the sheet.
#include <QObject>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRectF>

#include "ui/sheet_printer.h"

namespace ostrel::ui {
namespace {

class SheetPrinterPlugin final : public QObject, public SheetPrinter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID OSTREL_SHEET_PRINTER_IID)
  Q_INTERFACES(ostrel::ui::SheetPrinter)

 public:
  Outcome Print(QWidget* parent, const QString& dialog_title, const QString& document,
                const QPageSize& page, const Paint& paint) override {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(page);
    printer.setDocName(document);
    // The sheet keeps its own margins, wider than any printer's unprintable edge.
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialog_title);
    if (dialog.exec() != QDialog::Accepted) return Outcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer)) return Outcome::NotStarted;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    paint(painter, QRectF(0, 0, paper.width(), paper.height()), printer.resolution());
    return painter.end() ? Outcome::Printed : Outcome::NotStarted;
  }
};

}  // namespace
}  // namespace ostrel::ui

#include "sheet_printer_plugin.moc"
