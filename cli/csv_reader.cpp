// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace ostrel::cli {

std::size_t FileSource::Read(char* buffer, std::size_t size) {
  return std::fread(buffer, 1, size, file_);
}

bool FileSource::Failed() const {
  return std::ferror(file_) != 0;
}

std::size_t MemorySource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, bytes_.size());
  if (n > 0) std::memcpy(buffer, bytes_.data(), n);
  bytes_.remove_prefix(n);
  return n;
}

const char* CsvErrorText(CsvError error) {
  switch (error) {
    case CsvError::UnterminatedQuote:
      return "a quoted field is not closed before the end of the input";
    case CsvError::TextAfterQuote:
      return "text follows the closing quote of a field";
    case CsvError::QuoteInField:
      return "a quote inside a field that does not start with one";
    case CsvError::RecordTooLong:
      return "the row is too long";
    case CsvError::None:
      break;
  }
  return "";
}

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

CsvReader::CsvReader(ByteSource& source, std::size_t max_record)
    : source_(source), max_record_(max_record), buffer_(kBufferSize) {}

bool CsvReader::Fill() {
  if (at_end_) return false;
  std::size_t n = source_.Read(buffer_.data(), buffer_.size());
  std::size_t start = 0;
  if (!started_) {
    // The mark's three bytes are looked at together, however the first reads split them.
    static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    started_ = true;
    while (n > 0 && n < 3) {
      const std::size_t more = source_.Read(buffer_.data() + n, buffer_.size() - n);
      if (more == 0) break;
      n += more;
    }
    if (n >= 3 && std::memcmp(buffer_.data(), kByteOrderMark, 3) == 0) start = 3;
  }
  if (n == 0) {
    at_end_ = true;
    return false;
  }
  pos_ = start;
  end_ = n;
  return pos_ < end_ || Fill();  // nothing but the mark yet
}

void CsvReader::EndLine(int c) {
  ++line_;
  if (c == '\r' && Peek() == '\n') ++pos_;
}

void CsvReader::Fail(CsvError error) {
  if (error_ != CsvError::None) return;
  error_ = error;
  error_line_ = line_;
}

// Only the first max_record_ bytes of a record are kept: a longer record is bad anyway, and
// the limit keeps memory bounded whatever the input.
void CsvReader::Store(char c) {
  if (++raw_size_ > max_record_) {
    Fail(CsvError::RecordTooLong);
    return;
  }
  data_.push_back(c);
}

void CsvReader::EndField() {
  if (++raw_size_ > max_record_) {
    Fail(CsvError::RecordTooLong);
    return;
  }
  field_ends_.push_back(data_.size());
}

bool CsvReader::Next(CsvRecord& record) {
  for (;;) {
    const int c = Peek();
    if (c == kEnd) return false;
    if (c != '\n' && c != '\r') break;
    ++pos_;
    EndLine(c);
  }
  data_.clear();
  field_ends_.clear();
  raw_size_ = 0;
  error_ = CsvError::None;
  error_line_ = 0;
  record.line = line_;

  for (;;) {
    int c = Get();
    if (c == '"') {
      for (;;) {
        c = Get();
        if (c == kEnd) {
          Fail(CsvError::UnterminatedQuote);
          break;
        }
        if (c == '"') {
          if (Peek() != '"') {
            c = Get();
            break;
          }
          ++pos_;
        } else if (c == '\n' || c == '\r') {
          // A line end inside quotes is part of the field, CRLF included.
          Store(static_cast<char>(c));
          if (c == '\r' && Peek() == '\n') Store('\n');
          EndLine(c);
          continue;
        }
        Store(static_cast<char>(c));
      }
      // After the closing quote only a comma or a line end may come.
      while (c != kEnd && c != ',' && c != '\n' && c != '\r') {
        Fail(CsvError::TextAfterQuote);
        Store(static_cast<char>(c));
        c = Get();
      }
    } else {
      while (c != kEnd && c != ',' && c != '\n' && c != '\r') {
        if (c == '"') Fail(CsvError::QuoteInField);
        Store(static_cast<char>(c));
        c = Get();
      }
    }
    EndField();
    if (c == ',') continue;
    if (c != kEnd) EndLine(c);
    break;
  }

  record.error = error_;
  record.error_line = error_line_;
  record.fields.clear();
  if (error_ == CsvError::None) {
    std::size_t start = 0;
    for (const std::size_t end : field_ends_) {
      record.fields.emplace_back(data_.data() + start, end - start);
      start = end;
    }
  }
  return true;
}

}  // namespace ostrel::cli
