// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// A streaming reader of comma-separated values (RFC 4180): fields separated by commas, records
// ended by CRLF, LF or a lone CR, a field in double quotes may hold commas, line ends and doubled
// quotes. One record is held at a time and a record has a size limit, so memory stays the same
// whatever the length of the input.
//
// Pure C++: no Qt.
namespace ostrel::cli {

// Where the bytes come from: a file, standard input, or memory in tests and the fuzzer.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to size bytes, returns how many; 0 only at the end of the input (or on a read error,
  // which Failed() tells).
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  virtual bool Failed() const { return false; }
};

class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  bool Failed() const override;

 private:
  std::FILE* file_;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  std::string_view bytes_;
};

// What makes a record unreadable. The reader still finds the record's end, so the next record
// is read as usual.
enum class CsvError {
  None,
  UnterminatedQuote,  // the input ends inside a quoted field
  TextAfterQuote,     // "ab"c: a closing quote not followed by a comma or a line end
  QuoteInField,       // ab"c: a quote inside a field that does not start with one
  RecordTooLong,      // more than the reader's limit, counted in input bytes
};

// "a quoted field is not closed", ...
const char* CsvErrorText(CsvError error);

struct CsvRecord {
  long long line = 0;        // the input line the record starts on, from 1
  long long error_line = 0;  // the line of the first error, 0 without one
  CsvError error = CsvError::None;
  // The record's fields, unquoted; valid until the next call of Next. Empty when the record has
  // an error.
  std::vector<std::string_view> fields;
};

class CsvReader {
 public:
  static constexpr std::size_t kDefaultMaxRecord = 64 * 1024;

  explicit CsvReader(ByteSource& source, std::size_t max_record = kDefaultMaxRecord);

  // The next record, false at the end of the input. A byte-order mark at the start of the input
  // is skipped, so that the first field may be quoted. A line with nothing on it is no record (its
  // line still counts); a final line end does not start one.
  bool Next(CsvRecord& record);

 private:
  static constexpr int kEnd = -1;

  int Get() {
    if (pos_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_++]);
  }
  int Peek() {
    if (pos_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
  }
  bool Fill();
  // After a CR: a following LF belongs to the same line end.
  void EndLine(int c);
  void Store(char c);
  void EndField();
  void Fail(CsvError error);

  ByteSource& source_;
  std::size_t max_record_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = false;
  bool started_ = false;  // the first bytes were read (and a byte-order mark skipped)
  long long line_ = 1;

  // The record being read: its unquoted bytes, where each field ends in them, its input size.
  std::string data_;
  std::vector<std::size_t> field_ends_;
  std::size_t raw_size_ = 0;
  CsvError error_ = CsvError::None;
  long long error_line_ = 0;
};

}  // namespace ostrel::cli
