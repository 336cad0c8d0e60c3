// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The design file's limits at exactly their value and one past it, the values the writer refuses
// (each kind of non-finite number), and the characters its strings must escape.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "file/design_file.h"

namespace ostrel::file {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr std::int64_t kMiB = 1024 * 1024;

std::string Repeated(const std::string& piece, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += piece;
  return text;
}

// A design file whose calibration has `points` points labelled `label` and whose length unit
// is `length`, padded with blanks to `size` bytes when size is not 0.
std::string FileText(int points, const std::string& label, const std::string& length = "Inches",
                     std::int64_t size = 0) {
  std::string list;
  for (int i = 0; i < points; ++i) {
    list += i ? ",\n" : "";
    list += R"({ "force": 1000, "pressure": 6.2, "label": ")" + label + "\" }";
  }
  std::string text = R"({ "format": "ostrel-design", "version": 1,
  "units": { "length": ")" +
                     length + R"(", "oilPressure": "MPa", "force": "kN" },
  "design": { "OEL": 14, "TEL": 8, "GasketWidth": 5, "HoleDiameter": 5.6, "TCCentralDepth": 0.5,
    "TCEdgePosition": 2, "CubeSize": 25.4, "TapeThickness": 0, "RamDiameter": 431.8,
    "OilPressure": 6.897 },
  "calibration": { "points": [)" +
                     list + "] } }";
  if (size > 0) {
    EXPECT_LE(static_cast<std::int64_t>(text.size()), size);
    text += std::string(static_cast<std::size_t>(size) - text.size(), ' ');
  }
  return text;
}

struct EdgeCase {
  const char* name;
  std::string text;
  const char* problem;  // empty when the file is read
};

class ReaderEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(ReaderEdge, ReadAtTheLimitRefusedOnePast) {
  const EdgeCase& c = GetParam();
  const DesignRead r = ParseDesign(c.text, "cell.ostrel");
  if (*c.problem == '\0') {
    EXPECT_TRUE(r.design) << r.error;
    return;
  }
  EXPECT_FALSE(r.design);
  EXPECT_NE(r.error.find(c.problem), std::string::npos) << r.error;
}

const std::string kAstral = "\xF0\x9F\x92\x8E";  // U+1F48E: two UTF-16 units, one character
const std::string kTwoBytes = "\xC3\xA9";        // U+00E9

INSTANTIATE_TEST_SUITE_P(
    Limits, ReaderEdge,
    testing::Values(
        EdgeCase{"FileOfOneMiB", FileText(2, "a", "Inches", kMiB), ""},
        EdgeCase{"FileOneBytePastOneMiB", FileText(2, "a", "Inches", kMiB + 1),
                 "it is 1048577 bytes long, larger than the 1 MiB a design file may be"},
        EdgeCase{"ThousandPoints", FileText(1000, "a"), ""},
        EdgeCase{"ThousandAndOnePoints", FileText(1001, "a"),
                 "\"calibration\" has 1001 points, more than the 1000 a design may hold"},
        EdgeCase{"Label200Letters", FileText(2, std::string(200, 'x')), ""},
        EdgeCase{"Label201Letters", FileText(2, std::string(201, 'x')),
                 "\"label\" in calibration point 1 has 201 characters, more than 200"},
        EdgeCase{"Label200TwoByteCharacters", FileText(2, Repeated(kTwoBytes, 200)), ""},
        EdgeCase{"Label201TwoByteCharacters", FileText(2, Repeated(kTwoBytes, 201)),
                 "has 201 characters, more than 200"},
        EdgeCase{"Label200SurrogatePairs", FileText(2, Repeated(kAstral, 200)), ""},
        EdgeCase{"Label201SurrogatePairs", FileText(2, Repeated(kAstral, 201)),
                 "has 201 characters, more than 200"},
        // A text quoted in a message shows 40 characters, then an ellipsis.
        EdgeCase{"Echo40Characters", FileText(2, "a", std::string(40, 'y')),
                 "\"length\" in \"units\" is \"yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\", not"},
        EdgeCase{"Echo41Characters", FileText(2, "a", std::string(41, 'y')),
                 "is \"yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\u2026\", not"},
        EdgeCase{"EchoControlCharactersAsBlanks", FileText(2, "a", "In\\tch\\u007fes\\n"),
                 "is \"In ch es \", not"}),
    [](const auto& info) { return info.param.name; });

// The size limit on disk: the file is measured before it is read.
TEST(ReaderEdgeOnDisk, FileOfOneMiBReadOneBytePastRefused) {
  std::string dir = (std::filesystem::temp_directory_path() / "file_edges-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  const struct {
    const char* name;
    std::int64_t size;
    bool read;
  } cases[] = {{"edge.ostrel", kMiB, true}, {"past.ostrel", kMiB + 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir + "/" + c.name;
    const std::string text = FileText(2, "a", "Inches", c.size);
    ASSERT_EQ(static_cast<std::int64_t>(text.size()), c.size);
    std::ofstream(path, std::ios::binary) << text;
    const DesignRead r = ReadDesignFile(path);
    EXPECT_EQ(r.design.has_value(), c.read) << r.error;
    if (!c.read) {
      EXPECT_NE(r.error.find("1048577 bytes long"), std::string::npos) << r.error;
    }
  }
  std::filesystem::remove_all(dir);
}

Design WithCalibration(std::vector<CalibrationPoint> points) {
  Design d = StartupDesign();
  d.calibration = std::move(points);
  return d;
}

struct SaveCase {
  const char* name;
  Design design;
  const char* reason;  // empty when the design can be saved
};

class WriterEdge : public testing::TestWithParam<SaveCase> {};

// What the writer refuses is exactly what the reader would refuse: at the limit a design saves
// and reads back, one past it nothing is written.
TEST_P(WriterEdge, SavedAtTheLimitRefusedOnePastOrNotFinite) {
  const SaveCase& c = GetParam();
  const std::string reason = UnsavableReason(c.design);
  if (*c.reason != '\0') {
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    return;
  }
  ASSERT_TRUE(reason.empty()) << reason;
  const DesignRead r = ParseDesign(DesignJson(c.design), "round.ostrel");
  ASSERT_TRUE(r.design) << r.error;
  EXPECT_TRUE(SameDesign(*r.design, c.design));
}

Design WithInput(int index, float v) {
  Design d = StartupDesign();
  d.inputs[index] = v;
  return d;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, WriterEdge,
    testing::Values(
        SaveCase{"ThousandPoints",
                 WithCalibration(std::vector<CalibrationPoint>(1000, {1, 2, "a"})), ""},
        SaveCase{"ThousandAndOnePoints",
                 WithCalibration(std::vector<CalibrationPoint>(1001, {1, 2, "a"})),
                 "the calibration has 1001 points, more than the 1000 a design may hold"},
        SaveCase{"Label200Letters", WithCalibration({{1, 2, std::string(200, 'x')}}), ""},
        SaveCase{"Label200TwoByteCharacters", WithCalibration({{1, 2, Repeated(kTwoBytes, 200)}}),
                 ""},
        SaveCase{"Label201TwoByteCharacters", WithCalibration({{1, 2, Repeated(kTwoBytes, 201)}}),
                 "the label of calibration point 1 has 201 characters, more than 200"},
        SaveCase{"ForceNaN", WithCalibration({{1, 2, "a"}, {kNaN, 2, "b"}}),
                 "the force of calibration point 2 is not a number"},
        SaveCase{"ForceInfinite", WithCalibration({{kInf, 2, "a"}}),
                 "the force of calibration point 1 is infinite (it overflowed)"},
        SaveCase{"ForceMinusInfinite", WithCalibration({{-kInf, 2, "a"}}),
                 "the force of calibration point 1 is infinite (it overflowed)"},
        SaveCase{"PressureNaN", WithCalibration({{1, kNaN, "a"}}),
                 "the pressure of calibration point 1 is not a number"},
        SaveCase{"PressureMinusNaN", WithCalibration({{1, -kNaN, "a"}}),
                 "the pressure of calibration point 1 is not a number"},
        SaveCase{"PressureInfinite", WithCalibration({{1, kInf, "a"}}),
                 "the pressure of calibration point 1 is infinite (it overflowed)"},
        // Zero, negative and the largest float are values a file holds; the curve judges them.
        SaveCase{"PointZeroNegativeLargest",
                 WithCalibration({{0, -2, "a"}, {std::numeric_limits<float>::max(), -0.0f, "b"}}),
                 ""},
        SaveCase{"InputNaN", WithInput(0, kNaN), "Octahedron edge length (OEL) is not a number"},
        SaveCase{"InputInfinite", WithInput(9, kInf), "(OilPressure) is infinite (it overflowed)"},
        SaveCase{"InputMinusInfinite", WithInput(7, -kInf), "(TapeThickness) is infinite"},
        SaveCase{"InputZeroAndNegative", WithInput(1, -0.0f), ""}),
    [](const auto& info) { return info.param.name; });

// Every character a JSON string cannot hold as it is comes out escaped, and the label reads back.
TEST(WriterEscapes, EveryControlCharacterQuoteAndBackslashEscaped) {
  struct Escape {
    std::string character;
    const char* written;
  };
  const Escape escapes[] = {
      {std::string(1, '\0'), "\\u0000"},
      {"\x01", "\\u0001"},
      {"\x08", "\\u0008"},
      {"\t", "\\t"},
      {"\n", "\\n"},
      {"\r", "\\u000d"},
      {"\x1e", "\\u001e"},
      {"\x1f", "\\u001f"},
      {"\"", "\\\""},
      {"\\", "\\\\"},
      {"\xEF\xBB\xBF", "\\ufeff"},
  };
  for (const Escape& e : escapes) {
    SCOPED_TRACE(testing::PrintToString(e.character));
    const Design d = WithCalibration({{1, 2, e.character + "x"}});
    const std::string json = DesignJson(d);
    EXPECT_NE(json.find(std::string("\"label\": \"") + e.written + "x\""), std::string::npos)
        << json;
    const DesignRead r = ParseDesign(json, "escaped.ostrel");
    ASSERT_TRUE(r.design) << r.error;
    EXPECT_EQ(r.design->calibration.at(0).label, e.character + "x");
  }
  // Space, DEL and text beyond ASCII are written as they are.
  const std::string plain = DesignJson(WithCalibration({{1, 2, " \x7f\xC3\xA9"}}));
  EXPECT_NE(plain.find("\"label\": \" \x7f\xC3\xA9\""), std::string::npos) << plain;
}

}  // namespace
}  // namespace ostrel::file
