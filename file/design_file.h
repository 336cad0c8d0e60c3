// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "design/design.h"

// The design file (.ostrel, version 1; docs/FILE-FORMAT.md).
//
// Data flow: a path -> ReadDesignFile (the file checks, at most 1 MiB read) -> ParseDesign
// (JSON syntax and structure, each number read from its own text) -> Design -> OpenDesign;
// Design -> UnsavableReason (nothing is written for a design the reader would not give back) ->
// DesignJson -> WriteDesignFile (atomic: the old file stays until the new one is complete).
//
// Qt Core only. Every message names the file (by its name, not its folder) and what is wrong.
namespace ostrel::file {

inline constexpr const char* kFileSuffix = "ostrel";  // cell.ostrel
inline constexpr const char* kMimeType = "application/x-ostrel-design";
inline constexpr const char* kFormatName = "ostrel-design";
inline constexpr int kFormatVersion = 1;
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;
inline constexpr int kMaxCalibrationPoints = 1000;
inline constexpr int kMaxLabelCharacters = 200;

// Either a design or the reason there is none.
struct DesignRead {
  std::optional<Design> design;
  QString error;
};

// Reads a design file: refuses a folder or anything but a regular file, a missing file, one that
// cannot be read, an empty one and one larger than kMaxFileBytes (before reading it), then parses.
DesignRead ReadDesignFile(const QString& path);

// Parses a file's bytes; `file_name` is what messages call the file.
DesignRead ParseDesign(const QByteArray& bytes, const QString& file_name);

// Empty when the design can be saved; otherwise which part of it cannot (an input that is not
// finite, a calibration the reader would refuse), as a sentence.
QString UnsavableReason(const Design& design);

// The file's text: UTF-8, indented, each float as its shortest exact decimal. For a savable
// design only (see UnsavableReason).
QByteArray DesignJson(const Design& design);

// Writes the design atomically. On failure returns false, leaves any existing file as it was and
// sets *error (when given) to a message naming the file and the reason.
bool WriteDesignFile(const QString& path, const Design& design, QString* error);

}  // namespace ostrel::file
