// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Files on disk, for the design file and the sheet: reading a regular file without hanging on
// whatever took its place, replacing one atomically, and telling whether a file is still the
// one that was read or written. POSIX; a path is bytes (any name the system accepts).
//
// Problems are phrased to follow "Cannot open "cell.ostrel": " or "Cannot save …: ", without a
// full stop.
namespace ostrel::file {

// What a file was when it was last read or written; compared to see whether it changed since.
struct FileStamp {
  bool exists = false;
  std::int64_t size = 0;
  std::int64_t modified_ns = 0;  // modification time
  std::uint64_t hash = 0;        // of the content (FNV-1a, 64 bits)

  bool operator==(const FileStamp& o) const {
    return exists == o.exists && size == o.size && modified_ns == o.modified_ns && hash == o.hash;
  }
  bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

std::uint64_t ContentHash(std::string_view bytes);

struct FileBytes {
  std::optional<std::string> bytes;  // none: `problem` says why, or `too_large` is set
  std::string problem;
  std::int64_t too_large = -1;  // the size of a file larger than allowed
  FileStamp stamp;              // of what was read
};

// Opens path without blocking (a pipe that took the file's place is not waited on), then checks
// that what was opened is a regular file of at most max_bytes, and reads it. Refuses a folder,
// a device, pipe or socket, and says what the system said when it cannot be opened.
FileBytes ReadRegularFile(const std::string& path, std::int64_t max_bytes);

// The stamp of the regular file at path now (not existing when there is none or it cannot be
// read).
FileStamp StampOf(const std::string& path);

// Both paths name the same file (same device and inode: through a link or another path too).
bool SameFile(const std::string& a, const std::string& b);

// What is at a path now, before anything is written there.
struct PathState {
  enum class Kind { Missing, Regular, NotRegular, Unknown };
  Kind kind = Kind::Missing;
  std::string problem;  // NotRegular: what it is ("it is a folder, not a file", "… a pipe)")
  std::string head;     // Regular: its first bytes (up to 16), when it can be read
};
PathState Examine(const std::string& path);

struct FileWrite {
  bool ok = false;
  std::string problem;
  FileStamp stamp;  // of the file written
};

// Replaces the file at path with bytes, whole or not at all: a temporary file in the same folder
// is written, flushed to disk, checked for its size and renamed over the target; on any failure
// the old file stays as it was and the temporary file is removed. A link is followed (the file
// it leads to is replaced). A target that is a folder, a device, a pipe or a socket is refused
// and left alone. An existing file keeps its permissions.
FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ostrel::file
