// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "file/message_text.h"

namespace ostrel::file {
namespace {

std::string SystemSaid(int error) {
  return std::strerror(error);
}

std::string NotRegular(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return "it is a folder, not a file";
  const char* what = S_ISFIFO(st.st_mode)                         ? "a pipe"
                     : S_ISSOCK(st.st_mode)                       ? "a socket"
                     : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                  : "something else";
  return std::string("it is not a regular file (it is ") + what + ")";
}

std::int64_t ModifiedNs(const struct stat& st) {
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting a failure (a delayed write error shows here on some file systems).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads up to limit bytes; false on a read error (errno set).
bool ReadUpTo(int fd, std::size_t limit, std::string& out) {
  char buffer[65536];
  while (out.size() < limit) {
    const std::size_t want = std::min(sizeof buffer, limit - out.size());
    const ssize_t n = ::read(fd, buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A name for the temporary file, beside the target and hidden.
std::string TemporaryName(const std::string& folder, const std::string& name) {
  static std::atomic<unsigned> counter{0};
  return folder + "/." + name + "." + std::to_string(::getpid()) + "-" +
         std::to_string(counter.fetch_add(1)) + ".tmp";
}

}  // namespace

std::uint64_t ContentHash(std::string_view bytes) {
  std::uint64_t h = 0xcbf29ce484222325u;
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3u;
  }
  return h;
}

FileBytes ReadRegularFile(const std::string& path, std::int64_t max_bytes) {
  FileBytes out;
  // Non-blocking: opening a pipe for reading would otherwise wait for a writer.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    const int error = errno;
    struct stat st {};
    // A socket cannot be opened at all ("No such device or address"): say what it is instead.
    if (error != ENOENT && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
      out.problem = NotRegular(st);
    } else {
      out.problem = error == ENOENT ? "it does not exist (it may have been moved or removed)"
                                    : "it cannot be read (" + SystemSaid(error) + ")";
    }
    return out;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    out.problem = "it cannot be read (" + SystemSaid(errno) + ")";
    return out;
  }
  if (!S_ISREG(st.st_mode)) {
    out.problem = NotRegular(st);
    return out;
  }
  if (st.st_size > max_bytes) {
    out.too_large = st.st_size;
    return out;
  }
  // At most one byte more than allowed: a file that grew since its size was asked stays refused.
  std::string bytes;
  if (!ReadUpTo(fd.get(), static_cast<std::size_t>(max_bytes) + 1, bytes)) {
    out.problem = "it cannot be read (" + SystemSaid(errno) + ")";
    return out;
  }
  if (static_cast<std::int64_t>(bytes.size()) > max_bytes) {
    out.too_large = static_cast<std::int64_t>(bytes.size());
    return out;
  }
  out.stamp = {true, static_cast<std::int64_t>(bytes.size()), ModifiedNs(st), ContentHash(bytes)};
  out.bytes = std::move(bytes);
  return out;
}

FileStamp StampOf(const std::string& path) {
  constexpr std::int64_t kHashedBytes = std::int64_t{64} << 20;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  std::string bytes;
  if (!ReadUpTo(fd.get(), static_cast<std::size_t>(kHashedBytes), bytes)) return {};
  return {true, static_cast<std::int64_t>(st.st_size), ModifiedNs(st), ContentHash(bytes)};
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

PathState Examine(const std::string& path) {
  PathState out;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    out.kind = errno == ENOENT ? PathState::Kind::Missing : PathState::Kind::Unknown;
    return out;
  }
  if (!S_ISREG(st.st_mode)) {
    out.kind = PathState::Kind::NotRegular;
    out.problem = NotRegular(st);
    return out;
  }
  out.kind = PathState::Kind::Regular;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() >= 0) (void)ReadUpTo(fd.get(), 16, out.head);
  return out;
}

FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes) {
  FileWrite out;
  const auto fail = [&out](std::string problem) {
    out.problem = std::move(problem);
    return out;
  };
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    // The file the link leads to is replaced; the link stays a link.
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
      target = resolved;
      std::free(resolved);
    }
  }
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT)
    return fail("it could not be written (" + SystemSaid(errno) + ")");
  if (exists && S_ISDIR(st.st_mode)) return fail("it is a folder");
  if (exists && !S_ISREG(st.st_mode)) return fail(NotRegular(st) + ", so it was left alone");
  const std::string folder = FolderOf(target);
  struct stat folder_st {};
  if (::stat(folder.c_str(), &folder_st) != 0 || !S_ISDIR(folder_st.st_mode))
    return fail("its folder " + QuotedName(folder) + " does not exist");

  std::string temporary;
  int raw_fd = -1;
  for (int attempt = 0; attempt < 100 && raw_fd < 0; ++attempt) {
    temporary = TemporaryName(folder, FileNameOf(target));
    raw_fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (raw_fd < 0 && errno != EEXIST) break;
  }
  if (raw_fd < 0) return fail("it could not be written (" + SystemSaid(errno) + ")");
  Descriptor fd(raw_fd);
  const auto discard = [&](std::string problem) {
    ::unlink(temporary.c_str());
    return fail(std::move(problem));
  };
  if (exists) (void)::fchmod(fd.get(), st.st_mode & 07777);

  std::size_t written = 0;
  int write_error = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      write_error = n < 0 ? errno : ENOSPC;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  const auto short_write = [&](std::size_t count) {
    return "only " + std::to_string(count) + " of its " + std::to_string(bytes.size()) +
           " bytes could be written (is the disk full?)";
  };
  if (written != bytes.size()) {
    if (write_error == ENOSPC || write_error == EFBIG || write_error == EDQUOT)
      return discard(short_write(written));
    return discard("it could not be written (" + SystemSaid(write_error) + ")");
  }
  if (::fsync(fd.get()) != 0) return discard("it could not be written (" + SystemSaid(errno) + ")");
  struct stat written_st {};
  if (::fstat(fd.get(), &written_st) != 0)
    return discard("it could not be written (" + SystemSaid(errno) + ")");
  if (written_st.st_size != static_cast<off_t>(bytes.size()))
    return discard(short_write(static_cast<std::size_t>(std::max<off_t>(0, written_st.st_size))));
  if (!fd.Close()) return discard("it could not be written (" + SystemSaid(errno) + ")");
  // Checked again at the last moment: a pipe or device that took the file's place meanwhile is
  // not replaced either.
  struct stat now {};
  if (::stat(target.c_str(), &now) == 0 && !S_ISREG(now.st_mode))
    return discard(NotRegular(now) + ", so it was left alone");
  if (::rename(temporary.c_str(), target.c_str()) != 0)
    return discard("it could not be written (" + SystemSaid(errno) + ")");
  // The rename itself on disk: best effort, the file is in place either way.
  Descriptor folder_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder_fd.get() >= 0) (void)::fsync(folder_fd.get());
  out.ok = true;
  out.stamp = {true, static_cast<std::int64_t>(bytes.size()), ModifiedNs(written_st),
               ContentHash(bytes)};
  return out;
}

}  // namespace ostrel::file
