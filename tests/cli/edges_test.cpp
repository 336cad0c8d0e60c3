// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The command line's edges: every character each output format escapes, the record limit at its
// value and one past it, and the exit status of each outcome of a batch run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/batch_run.h"
#include "cli/csv_reader.h"
#include "cli/text_escape.h"

namespace ostrel::cli {
namespace {

struct EscapeCase {
  const char* name;
  std::string text;
  std::string written;
};

std::string CaseName(const testing::TestParamInfo<EscapeCase>& info) {
  return info.param.name;
}

class JsonEscape : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonEscape, WritesTheStringJsonReadsBack) {
  std::string out = "x";
  AppendJsonString(out, GetParam().text);
  EXPECT_EQ(out, "x" + GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Characters, JsonEscape,
                         testing::Values(EscapeCase{"Plain", "Oil pressure", "\"Oil pressure\""},
                                         EscapeCase{"Empty", "", "\"\""},
                                         EscapeCase{"Quote", "say \"hi\"", R"("say \"hi\"")"},
                                         EscapeCase{"Backslash", "a\\b", R"("a\\b")"},
                                         EscapeCase{"Nul", std::string("a\0b", 3), R"("a\u0000b")"},
                                         EscapeCase{"Tab", "a\tb", R"("a\u0009b")"},
                                         EscapeCase{"LineFeed", "a\nb", R"("a\u000ab")"},
                                         EscapeCase{"CarriageReturn", "a\rb", R"("a\u000db")"},
                                         EscapeCase{"LastControl",
                                                    "a\x1f"
                                                    "b",
                                                    R"("a\u001fb")"},
                                         EscapeCase{"SpaceKept", " ", "\" \""},
                                         EscapeCase{"DeleteKept", "\x7f", "\"\x7f\""},
                                         EscapeCase{"Utf8Kept", "mm\xC2\xB3", "\"mm\xC2\xB3\""}),
                         CaseName);

class CsvEscape : public testing::TestWithParam<EscapeCase> {};

TEST_P(CsvEscape, QuotesOnlyWhatNeedsIt) {
  std::string out = "x,";
  AppendCsvField(out, GetParam().text);
  EXPECT_EQ(out, "x," + GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CsvEscape,
    testing::Values(EscapeCase{"Plain", "Force (kN)", "Force (kN)"}, EscapeCase{"Empty", "", ""},
                    EscapeCase{"Comma", "1,5", "\"1,5\""},
                    EscapeCase{"Quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                    EscapeCase{"OnlyAQuote", "\"", "\"\"\"\""},
                    EscapeCase{"LineFeed", "a\nb", "\"a\nb\""},
                    EscapeCase{"CarriageReturn", "a\rb", "\"a\rb\""},
                    EscapeCase{"TabAndSemicolonPlain", "a\t;b", "a\t;b"},
                    EscapeCase{"Utf8Plain", "mm\xC2\xB3", "mm\xC2\xB3"},
                    EscapeCase{"LeadingByteOrderMark", "\xEF\xBB\xBFOEL", "\"\xEF\xBB\xBFOEL\""},
                    EscapeCase{"InnerByteOrderMarkPlain", "a\xEF\xBB\xBF", "a\xEF\xBB\xBF"}),
    CaseName);

class EchoEscape : public testing::TestWithParam<EscapeCase> {};

TEST_P(EchoEscape, AtMost40BytesOfPrintableAscii) {
  EXPECT_EQ(Quoted(GetParam().text), GetParam().written);
}

const std::string k40(40, 'a');

INSTANTIATE_TEST_SUITE_P(
    Characters, EchoEscape,
    testing::Values(EscapeCase{"Printable", " ~\"\\", "\" ~\"\\\""},
                    EscapeCase{"ControlAndDelete", std::string("\0\x1f\x7f", 3),
                               R"("\x00\x1f\x7f")"},
                    EscapeCase{"Utf8AsBytes", "\xC3\xA9", R"("\xc3\xa9")"},
                    EscapeCase{"Exactly40", k40, "\"" + k40 + "\""},
                    EscapeCase{"Of41", k40 + "b", "\"" + k40 + "\"..."},
                    EscapeCase{"Of41LastEscaped", k40 + "\n", "\"" + k40 + "\"..."}),
    CaseName);

// The default record limit is 64 KiB: the fields' bytes and one per field.
TEST(CsvRecordLimit, DefaultLimitAtItsValueAndOnePast) {
  struct Case {
    const char* name;
    std::string record;
    CsvError error;
  };
  const Case cases[] = {
      {"OneFieldOf65535Bytes", std::string(65535, '1'), CsvError::None},
      {"OneFieldOf65536Bytes", std::string(65536, '1'), CsvError::RecordTooLong},
      {"TwoFieldsOf32767Bytes", std::string(32767, '1') + "," + std::string(32767, '2'),
       CsvError::None},
      {"TwoFieldsOf32767And32768Bytes", std::string(32767, '1') + "," + std::string(32768, '2'),
       CsvError::RecordTooLong},
      {"65536EmptyFields", std::string(65535, ','), CsvError::None},
      {"65537EmptyFields", std::string(65536, ','), CsvError::RecordTooLong},
      {"QuotedFieldOf65535Bytes", "\"" + std::string(65535, '1') + "\"", CsvError::None},
      {"QuotedFieldOf65536Bytes", "\"" + std::string(65536, '1') + "\"", CsvError::RecordTooLong},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string input = c.record + "\nnext\n";
    MemorySource source(input);
    CsvReader reader(source);
    CsvRecord record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(record.error, c.error);
    if (c.error == CsvError::None) {
      std::size_t bytes = 0;
      for (const std::string_view field : record.fields) bytes += field.size() + 1;
      EXPECT_EQ(bytes, c.record.size() + 1 - (c.record[0] == '"' ? 2 : 0));
    }
    // The next record is read as usual.
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(record.line, 2);
    EXPECT_EQ(record.error, CsvError::None);
  }
}

// An input that fails part-way, as a read error on a disk or a pipe does.
class FailingSource final : public ByteSource {
 public:
  explicit FailingSource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = bytes_.copy(buffer, size);
    bytes_.remove_prefix(n);
    return n;
  }
  bool Failed() const override { return bytes_.empty(); }

 private:
  std::string_view bytes_;
};

enum class Input { Good, Failing };
enum class Output { Good, Full };

struct StatusCase {
  const char* name;
  std::string csv;
  Input input;
  Output output;
  int status;
  const char* err;  // what the message holds; empty for no message at all
};

class BatchStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(BatchStatus, EachOutcomeExitsWithItsStatus) {
  const StatusCase& c = GetParam();
  BatchOptions options;
  options.input_name = "in.csv";
  char* err = nullptr;
  std::size_t err_size = 0;
  std::FILE* err_file = open_memstream(&err, &err_size);
  char* out = nullptr;
  std::size_t out_size = 0;
  std::FILE* out_file =
      c.output == Output::Full ? std::fopen("/dev/full", "w") : open_memstream(&out, &out_size);
  ASSERT_NE(out_file, nullptr);
  int status = -1;
  if (c.input == Input::Failing) {
    FailingSource source(c.csv);
    status = RunBatch(options, source, out_file, err_file);
  } else {
    MemorySource source(c.csv);
    status = RunBatch(options, source, out_file, err_file);
  }
  std::fclose(out_file);
  std::fclose(err_file);
  const std::string message(err, err_size);
  std::free(err);
  std::free(out);
  EXPECT_EQ(status, c.status);
  if (*c.err == '\0') {
    EXPECT_EQ(message, "");
  } else {
    EXPECT_NE(message.find(c.err), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, BatchStatus,
    testing::Values(StatusCase{"GoodRows", "OEL,TEL\n14,8\n10,5\n", Input::Good, Output::Good, 0,
                               ""},
                    StatusCase{"HeaderOnly", "OEL,TEL\n", Input::Good, Output::Good, 0, ""},
                    StatusCase{"NothingAtAll", "", Input::Good, Output::Good, 0, ""},
                    StatusCase{"BadRowAmongGoodOnes", "OEL\n14\nx\n14\n", Input::Good, Output::Good,
                               1, "in.csv:3: OEL: \"x\" is not a number"},
                    StatusCase{"RowTooLong", "OEL\n" + std::string(70000, '1') + "\n", Input::Good,
                               Output::Good, 1, "in.csv:2: the row is too long"},
                    StatusCase{"FaultedRowAmongGoodOnes", "OEL,TEL\n14,8\n0,0\n14,8\n", Input::Good,
                               Output::Good, 1, "in.csv:3: Division by zero"},
                    StatusCase{"OverflowingRow", "OEL\n3e38\n", Input::Good, Output::Good, 1,
                               "in.csv:2: Overflow"},
                    StatusCase{"BadHeaderWithoutRows", "OEL,Oel\n", Input::Good, Output::Good, 1,
                               "in.csv:1: unknown column \"Oel\""},
                    StatusCase{"BadHeaderWithRows", "OEL,OEL\n1,2\n", Input::Good, Output::Good, 1,
                               "in.csv:1: column \"OEL\" appears twice"},
                    StatusCase{"InputFailsAfterGoodRows", "OEL\n14\n", Input::Failing, Output::Good,
                               1, "ostrel: cannot read in.csv"},
                    StatusCase{"OutputFull", "OEL\n14\n", Input::Good, Output::Full, 1,
                               "ostrel: cannot write the output"}),
    [](const testing::TestParamInfo<StatusCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrel::cli
