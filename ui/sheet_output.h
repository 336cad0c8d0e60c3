// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>

#include "painting/sheet.h"

class QWidget;

namespace ostrel::ui {

class MainWindow;

// The sheet of the numbers of the design the calculator stores; `design_path` is the design's
// file, empty for a design never saved. Reads the calculator, changes nothing; the content points
// into the calculator's numbers, valid until its next handler run.
painting::SheetContent SheetOf(const MainWindow& calculator, const QString& design_path);

// File > Export Sheet as PDF…: asks where to save (beside the design, named after it), writes
// the PDF and reports a failure in a message box. Returns whether a file was written.
bool ExportSheetAsPdf(QWidget* parent, const painting::SheetContent& content,
                      const QString& design_path);

// File > Print…: the system's print dialog, on the locale's paper, then the sheet on the
// printer chosen. Returns whether it was printed.
bool PrintSheet(QWidget* parent, const painting::SheetContent& content);

}  // namespace ostrel::ui
