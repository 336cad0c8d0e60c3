// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/sheet_printer.h"

#include "ui/plugin_loader.h"

namespace ostrel::ui {

SheetPrinter* LoadSheetPrinter(QString* error) {
  return LoadProgramPluginOnce<SheetPrinter>(QStringLiteral(OSTREL_SHEET_PRINTER_PLUGIN_FILE),
                                             QStringLiteral("the printing plugin does not print"),
                                             error);
}

}  // namespace ostrel::ui
