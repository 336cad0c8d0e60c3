// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ostrel::cli {
namespace {

// Hands out one byte per read, so that every CRLF and every doubled quote straddles a refill.
class TrickleSource final : public ByteSource {
 public:
  explicit TrickleSource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Read(char* buffer, std::size_t) override {
    if (bytes_.empty()) return 0;
    *buffer = bytes_.front();
    bytes_.remove_prefix(1);
    return 1;
  }

 private:
  std::string_view bytes_;
};

struct Row {
  long long line;
  CsvError error;
  std::vector<std::string> fields;

  bool operator==(const Row& o) const {
    return line == o.line && error == o.error && fields == o.fields;
  }
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << "line " << row.line << " error " << static_cast<int>(row.error) << " [";
  for (const std::string& f : row.fields) *os << '<' << f << '>';
  *os << ']';
}

std::vector<Row> ReadAll(ByteSource& source, std::size_t max_record) {
  CsvReader reader(source, max_record);
  CsvRecord record;
  std::vector<Row> rows;
  while (reader.Next(record)) {
    rows.push_back({record.line, record.error, {record.fields.begin(), record.fields.end()}});
  }
  return rows;
}

struct Case {
  const char* name;
  std::string input;
  std::vector<Row> rows;
};

const CsvError kOk = CsvError::None;

const Case kCases[] = {
    {"plain_lf", "a,b\n1,2\n", {{1, kOk, {"a", "b"}}, {2, kOk, {"1", "2"}}}},
    {"crlf_and_no_final_end", "a,b\r\n1,2", {{1, kOk, {"a", "b"}}, {2, kOk, {"1", "2"}}}},
    {"lone_cr", "a\r1\r", {{1, kOk, {"a"}}, {2, kOk, {"1"}}}},
    {"empty_fields", ",\n,,x\n", {{1, kOk, {"", ""}}, {2, kOk, {"", "", "x"}}}},
    {"blank_lines_skipped_but_counted", "\n\r\na\n\n\nb\n", {{3, kOk, {"a"}}, {6, kOk, {"b"}}}},
    {"quoted_comma_quote_and_line_ends",
     "\"a,b\",\"say \"\"hi\"\"\"\n\"x\r\ny\nz\",\"\"\nnext\n",
     {{1, kOk, {"a,b", "say \"hi\""}}, {2, kOk, {"x\r\ny\nz", ""}}, {5, kOk, {"next"}}}},
    {"quoted_empty_line_is_a_record", "\"\"\n", {{1, kOk, {""}}}},
    {"unterminated_quote",
     "a\n\"open,\nrest",
     {{1, kOk, {"a"}}, {2, CsvError::UnterminatedQuote, {}}}},
    {"text_after_quote_then_recovers",
     "\"ab\"c,d\ne\n",
     {{1, CsvError::TextAfterQuote, {}}, {2, kOk, {"e"}}}},
    {"quote_inside_field", "ab\"c\n1\n", {{1, CsvError::QuoteInField, {}}, {2, kOk, {"1"}}}},
    {"too_long_then_recovers",
     "12345678901234567890,1\n12,3\n",
     {{1, CsvError::RecordTooLong, {}}, {2, kOk, {"12", "3"}}}},
    {"many_commas_are_too_long",
     std::string(40, ',') + "\nx\n",
     {{1, CsvError::RecordTooLong, {}}, {2, kOk, {"x"}}}},
    {"nothing", "", {}},
    // A spreadsheet's "UTF-8 CSV" starts with a byte-order mark: skipped, so a quoted header
    // field is read as quoted. Only at the start of the input; a partial mark is data.
    {"byte_order_mark_then_quoted_header",
     "\xEF\xBB\xBF\"OEL\",\"TEL\"\n1,2\n",
     {{1, kOk, {"OEL", "TEL"}}, {2, kOk, {"1", "2"}}}},
    {"only_a_byte_order_mark", "\xEF\xBB\xBF", {}},
    {"mark_later_is_data",
     "a\n\xEF\xBB\xBF"
     "b\n",
     {{1, kOk, {"a"}},
      {2,
       kOk,
       {"\xEF\xBB\xBF"
        "b"}}}},
    {"partial_mark_is_data", "\xEF\xBB", {{1, kOk, {"\xEF\xBB"}}}},
};

class CsvReaderTest : public testing::TestWithParam<Case> {};

TEST_P(CsvReaderTest, ReadsRecordsInWholeAndInSingleBytes) {
  const Case& c = GetParam();
  constexpr std::size_t kMaxRecord = 16;
  MemorySource whole(c.input);
  EXPECT_EQ(ReadAll(whole, kMaxRecord), c.rows);
  TrickleSource trickle(c.input);
  EXPECT_EQ(ReadAll(trickle, kMaxRecord), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CsvReaderTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(CsvReaderErrorLine, IsWhereTheErrorIsNotWhereTheRecordStarts) {
  MemorySource source("\"one\ntwo\"x\n");
  CsvReader reader(source);
  CsvRecord record;
  ASSERT_TRUE(reader.Next(record));
  EXPECT_EQ(record.line, 1);
  EXPECT_EQ(record.error, CsvError::TextAfterQuote);
  EXPECT_EQ(record.error_line, 2);
  EXPECT_FALSE(reader.Next(record));
}

}  // namespace
}  // namespace ostrel::cli
