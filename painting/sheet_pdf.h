// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>

#include "painting/sheet.h"

namespace ostrel::painting {

// Writes the sheet as a one-page PDF (vector, with real text) on the locale's paper. The file
// appears whole or not at all: it is written beside the target and renamed over it at the end.
// Returns an empty string on success, else a message naming the file and what went wrong.
QString WriteSheetPdf(const QString& path, const SheetContent& content);

}  // namespace ostrel::painting
