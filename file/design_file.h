// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calibration/limits.h"
#include "design/design.h"
#include "file/disk_file.h"

// The design file (.ostrel, version 1; docs/FILE-FORMAT.md).
//
// Data flow: a path -> ReadDesignFile (opened without blocking, then checked: a regular file of
// at most 1 MiB) -> ParseDesign (JSON syntax and structure, json_parser.h; each number read from
// its own text) -> Design -> OpenDesign; Design -> UnsavableReason (nothing is written for a
// design the reader would not give back) -> DesignJson -> WriteDesignFile (atomic: the old file
// stays until the new one is complete, disk_file.h).
//
// Pure C++ (no Qt): the desktop, the command line and the web edition share it. Paths are bytes;
// texts and messages are UTF-8. Every message names the file (by its name, not its folder) and
// what is wrong.
namespace ostrel::file {

inline constexpr const char* kFileSuffix = "ostrel";  // cell.ostrel
inline constexpr const char* kMimeType = "application/x-ostrel-design";
inline constexpr const char* kFormatName = "ostrel-design";
inline constexpr int kFormatVersion = 1;
inline constexpr std::int64_t kMaxFileBytes = 1024 * 1024;
// A file holds what the calibration table accepts, and no more: one set of limits for both.
inline constexpr int kMaxCalibrationPoints = static_cast<int>(ostrel::kMaxCalibrationPoints);
inline constexpr int kMaxLabelCharacters = static_cast<int>(ostrel::kMaxLabelCharacters);

// Either a design or the reason there is none.
struct DesignRead {
  std::optional<Design> design;
  std::string error;
  FileStamp stamp;  // ReadDesignFile: the file as it was read (for a later "changed on disk?")
};

// Reads a design file: opens it, refuses a folder or anything but a regular file, a missing file,
// one that cannot be read (saying what the system said), an empty one and one larger than
// kMaxFileBytes (before reading it), then parses.
DesignRead ReadDesignFile(const std::string& path);

// Parses a file's bytes; `file_name` is what messages call the file.
DesignRead ParseDesign(std::string_view bytes, std::string_view file_name);

// Empty when the design can be saved; otherwise which part of it cannot (an input that is not
// finite, a calibration the reader would refuse), as a sentence.
std::string UnsavableReason(const Design& design);

// The file's text: UTF-8, indented, each float as its shortest exact decimal. For a savable
// design only (see UnsavableReason).
std::string DesignJson(const Design& design);

// Writes the design atomically. On failure returns false, leaves any existing file as it was and
// sets *error (when given) to a message naming the file and the reason; a target that is a
// folder, a device, a pipe or a socket is refused. On success *stamp (when given) is the file
// written.
bool WriteDesignFile(const std::string& path, const Design& design, std::string* error,
                     FileStamp* stamp = nullptr);

}  // namespace ostrel::file
