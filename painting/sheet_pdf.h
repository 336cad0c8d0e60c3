// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "painting/sheet.h"

namespace ostrel::painting {

// The sheet as a one-page PDF (vector, with real text) on the locale's paper, made in memory.
// Empty when the PDF could not be started.
QByteArray SheetPdf(const SheetContent& content);

// Writes a made PDF to path (the bytes the system knows the file by). The file appears whole or
// not at all (file/disk_file.h: written beside the target, flushed, checked, renamed over it); a
// full disk leaves the old file as it was, and a folder, device, pipe or socket is left alone.
// Returns an empty string on success, else a message naming the file and what went wrong.
QString WriteSheetFile(const std::string& path, const QByteArray& pdf);

// SheetPdf then WriteSheetFile.
QString WriteSheetPdf(const QString& path, const SheetContent& content);

// A path for a message: control characters and bytes that are not UTF-8 as \xNN.
QString ShownPath(const std::string& path);

}  // namespace ostrel::painting
