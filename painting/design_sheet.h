// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <string>

#include "design/design.h"

namespace ostrel::painting {

// The sheet of a design without a window: the calculator's texts are computed by the same
// load handler, open sequence and refresh as the window's, in a view that keeps them in memory
// with the locale's decimal separator, and made as a PDF. A fault in the refresh leaves the
// texts as far as it got, and the sheet shows them as the boxes would.
QByteArray DesignSheetPdf(const Design& design, const QString& title,
                          const QDateTime& when = QDateTime::currentDateTime());

// The same, written to `out`. Returns an empty string on success, else the message of
// WriteSheetFile.
QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when = QDateTime::currentDateTime());

// `ostrel --sheet DESIGN.ostrel OUT.pdf`, paths as the bytes the system knows them by; OUT "-"
// is standard output. Before anything is read or written, the target is refused when it is the
// design file itself (by any path or link), a folder, device, pipe or socket, or an existing
// file (not empty) that is not a PDF. Then the design is read and the sheet, titled with the
// file's name, written whole or not at all.
struct SheetRun {
  int status = 0;  // 0 written, 1 the design or the writing failed, 2 a target refused
  QString error;   // the message when status is not 0
};
SheetRun WriteSheetOfDesignFile(const std::string& design_path, const std::string& out);

}  // namespace ostrel::painting
