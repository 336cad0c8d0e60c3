// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_printer.h"

#include "ui/plugin_loader.h"

namespace ostrel::ui {

SheetPrinter* LoadSheetPrinter(QString* error) {
  static SheetPrinter* printer = nullptr;
  static QString failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    QObject* instance =
        LoadProgramPlugin(QStringLiteral(OSTREL_SHEET_PRINTER_PLUGIN_FILE), &failure);
    printer = qobject_cast<SheetPrinter*>(instance);
    if (instance && !printer) failure = QStringLiteral("the printing plugin does not print");
  }
  if (!printer && error) *error = failure;
  return printer;
}

}  // namespace ostrel::ui
