// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QDateTime>
#include <QString>

#include "design/design.h"

namespace ostrel::painting {

// The sheet of a design without a window: the calculator's texts are computed by the same
// load handler, open sequence and refresh as the window's, in a view that keeps them in memory
// with the locale's decimal separator, and written as a PDF to `out`. A fault in the refresh
// leaves the texts as far as it got, and the sheet shows them as the boxes would. Returns an
// empty string on success, else the message of WriteSheetPdf.
QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when = QDateTime::currentDateTime());

// `ostrel --sheet DESIGN.ostrel OUT.pdf`: reads the design file and writes its sheet, titled
// with the file's name. Returns an empty string on success, else the message of the reader or
// of WriteSheetPdf; nothing is written when the design cannot be read.
QString WriteSheetOfDesignFile(const QString& design_path, const QString& out);

}  // namespace ostrel::painting
