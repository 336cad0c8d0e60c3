// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The CSV reader and the batch run against any bytes. The first byte picks the record limit and
// whether the input arrives in one block or in pieces of one to a few bytes. Checks:
//  - every record the reader gives back reads again, written as RFC 4180 fields, as the same
//    fields; records start on increasing lines and no record without an error is empty;
//  - the same bytes in pieces give the same records as in one block;
//  - the batch run over the same bytes writes one output line per record after the header (a
//    row's fields and messages never hold a line end) and ends with status 0 or 1.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_run.h"
#include "cli/csv_reader.h"
#include "cli/text_escape.h"

namespace {

using ostrel::cli::ByteSource;
using ostrel::cli::CsvError;
using ostrel::cli::CsvReader;
using ostrel::cli::CsvRecord;
using ostrel::cli::MemorySource;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "csv_reader_fuzz: %s\n", what);
  std::abort();
}

// Pieces of 1 to 4 bytes, sizes taken from the input itself.
class PieceSource final : public ByteSource {
 public:
  explicit PieceSource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    std::size_t n = 1 + (bytes_.empty() ? 0 : static_cast<unsigned char>(bytes_[0]) % 4);
    if (n > size) n = size;
    if (n > bytes_.size()) n = bytes_.size();
    for (std::size_t i = 0; i < n; ++i) buffer[i] = bytes_[i];
    bytes_.remove_prefix(n);
    return n;
  }

 private:
  std::string_view bytes_;
};

struct Record {
  long long line;
  CsvError error;
  std::vector<std::string> fields;
  bool operator==(const Record& o) const {
    return line == o.line && error == o.error && fields == o.fields;
  }
};

std::vector<Record> ReadAll(ByteSource& source, std::size_t max_record) {
  CsvReader reader(source, max_record);
  CsvRecord record;
  std::vector<Record> records;
  while (reader.Next(record)) {
    records.push_back({record.line, record.error, {record.fields.begin(), record.fields.end()}});
  }
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned choice = data[0];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t max_record = 8 + (choice & 0x3f) * 4;

  MemorySource whole(bytes);
  const std::vector<Record> records = ReadAll(whole, max_record);
  PieceSource pieces(bytes);
  if (ReadAll(pieces, max_record) != records) Fail("pieces give other records than one block");

  // Every good record written back as RFC 4180 fields, then read again in one go. A record of
  // one empty field would be written as a blank line, which is no record: it is left out.
  long long previous_line = 0;
  std::string written;
  std::vector<std::vector<std::string>> expected;
  for (const Record& r : records) {
    if (r.line <= previous_line) Fail("records do not start on increasing lines");
    previous_line = r.line;
    if (r.error != CsvError::None) {
      if (!r.fields.empty()) Fail("a record with an error has fields");
      continue;
    }
    if (r.fields.empty()) Fail("a record without an error has no field");
    if (r.fields.size() == 1 && r.fields[0].empty()) continue;
    for (std::size_t i = 0; i < r.fields.size(); ++i) {
      if (i > 0) written += ',';
      ostrel::cli::AppendCsvField(written, r.fields[i]);
    }
    written += "\r\n";
    expected.push_back(r.fields);
  }
  MemorySource again(written);
  const std::vector<Record> reread = ReadAll(again, written.size() + 1);
  bool same = reread.size() == expected.size();
  for (std::size_t i = 0; same && i < reread.size(); ++i) {
    same = reread[i].error == CsvError::None && reread[i].fields == expected[i];
  }
  if (!same) Fail("records written as CSV do not read back as the same fields");

  if ((choice & 0x40) != 0) {
    char* out = nullptr;
    std::size_t out_size = 0;
    std::FILE* out_file = open_memstream(&out, &out_size);
    std::FILE* err_file = std::fopen("/dev/null", "w");
    MemorySource input(bytes);
    const int status = ostrel::cli::RunBatch({}, input, out_file, err_file);
    std::fclose(out_file);
    std::fclose(err_file);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < out_size; ++i) lines += out[i] == '\n';
    std::free(out);
    const std::size_t expected_lines = records.empty() ? 1 : records.size();
    if (lines != expected_lines) Fail("the batch run's output has not one line per row");
    if (status != ostrel::cli::kExitSuccess && status != ostrel::cli::kExitFailure)
      Fail("the batch run ends with neither 0 nor 1");
  }
  return 0;
}
