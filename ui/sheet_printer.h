// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <functional>

#include <QPageSize>
#include <QString>
#include <QtPlugin>

class QPainter;
class QRectF;
class QWidget;

namespace ostrel::ui {

// The printer: the system's print dialog and the printer it starts. It lives in a plugin of its
// own (sheet_printer_plugin/), loaded when the user first prints: linked into the program, Qt
// Print Support would be loaded and relocated at every start-up. The sheet itself is painted by
// the program, through `paint`.
class SheetPrinter {
 public:
  enum class Outcome { Printed, Cancelled, NotStarted };
  // Paints the page: the painter, the whole sheet of paper in device units, and the device's
  // dots per inch.
  using Paint = std::function<void(QPainter&, const QRectF& page, int dots_per_inch)>;

  virtual ~SheetPrinter() = default;
  // Asks for the printer with a dialog titled `dialog_title` over `parent`, on `page` paper, the
  // job named `document`, then paints the sheet there.
  virtual Outcome Print(QWidget* parent, const QString& dialog_title, const QString& document,
                        const QPageSize& page, const Paint& paint) = 0;
};

// The plugin, loaded on the first call (once per process), or null with the reason in *error.
SheetPrinter* LoadSheetPrinter(QString* error);

}  // namespace ostrel::ui

#define OSTREL_SHEET_PRINTER_IID "org.ostrel.Ostrel.SheetPrinter/1"
Q_DECLARE_INTERFACE(ostrel::ui::SheetPrinter, OSTREL_SHEET_PRINTER_IID)
