// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/design_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <thread>

#include "design/exact_text.h"

namespace ostrel::file {
namespace {

// The issue's example with a two-point calibration: every bad-file case changes one piece of it.
const std::string kGood = R"({
  "format": "ostrel-design",
  "version": 1,
  "units": { "length": "Millimeters", "oilPressure": "psi", "force": "US tons" },
  "design": {
    "OEL": 14, "TEL": 8, "GasketWidth": 5, "HoleDiameter": 5.6,
    "TCCentralDepth": 0.5, "TCEdgePosition": 2, "CubeSize": 25.4, "TapeThickness": 0,
    "RamDiameter": 431.8, "OilPressure": 6.897
  },
  "calibration": { "points": [
    { "force": 1000, "pressure": 6.2, "label": "Coesite-stishovite" },
    { "force": 2500, "pressure": 13.4, "label": "Garnet-perovskite" } ] }
})";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

const std::string& Bytes(const std::string& s) {
  return s;
}

std::uint32_t Bits(float v) {
  std::uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

Design GoodDesign() {
  Design d = StartupDesign();
  d.calibration = {{1000, 6.2f, "Coesite-stishovite"}, {2500, 13.4f, "Garnet-perovskite"}};
  return d;
}

TEST(DesignFileRead, GoodFileGivesItsDesign) {
  const DesignRead r = ParseDesign(Bytes(kGood), "cell.ostrel");
  ASSERT_TRUE(r.design) << r.error;
  EXPECT_TRUE(r.error.empty());
  EXPECT_TRUE(SameDesign(*r.design, GoodDesign()));
}

struct BadCase {
  const char* name;
  std::string text;
  const char* problem;  // part of the message
};

BadCase Bad(const char* name, const std::string& from, const std::string& to, const char* problem) {
  return {name, Replaced(kGood, from, to), problem};
}

class BadFileTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFileTest, RefusedNamingFileAndProblem) {
  const DesignRead r = ParseDesign(Bytes(GetParam().text), "cell.ostrel");
  EXPECT_FALSE(r.design);
  const std::string& message = r.error;
  EXPECT_EQ(message.rfind("Cannot open \"cell.ostrel\": ", 0), 0u) << message;
  EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
}

const std::string kPoint = R"({ "force": 1000, "pressure": 6.2, "label": "Coesite-stishovite" })";

std::string ManyPoints(int n) {
  std::string points;
  for (int i = 0; i < n; ++i) points += (i ? "," : "") + kPoint;
  return Replaced(kGood, "\"points\": [", "\"points\": [" + points + ",");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, BadFileTest,
    ::testing::Values(
        BadCase{"Empty", "", "the file is empty"},
        BadCase{"BlanksAndMarkOnly", "\xEF\xBB\xBF \n\t", "the file is empty"},
        BadCase{"NotJson", "format: ostrel-design", "line 1, column 1: the JSON is not valid"},
        Bad("SyntaxErrorLineColumn", "\"version\": 1,", "\"version\": 1", "line 4, column 3"),
        Bad("NumberMalformed", "\"TEL\": 8,", "\"TEL\": 08,",
            "line 6, column 23: the JSON is not valid (a malformed"),
        Bad("NumberTrailingPoint", "\"TEL\": 8,", "\"TEL\": 8.,", "line 6, column 23"),
        Bad("NumberNaN", "\"TEL\": 8,", "\"TEL\": NaN,", "line 6, column 23"),
        Bad("NumberAfterUnicode", "\"US tons\" }", "\"US tons\", \"\xc3\xa9\": 01 }",
            "line 4, column 86"),
        BadCase{"Array", "[" + kGood + "]", "a JSON array, not an object"},
        BadCase{"SingleValue", "14", "single value, not an object"},
        Bad("FormatMissing", "\"format\": \"ostrel-design\",", "",
            "\"format\" is missing: this is not an Ostrel design file"),
        Bad("FormatWrong", "ostrel-design", "ostrel-sheet", "\"format\" is the text \"ostrel-sh"),
        Bad("FormatNotText", "\"ostrel-design\"", "1", "\"format\" is a number, not"),
        Bad("VersionMissing", "\"version\": 1,", "", "\"version\" is missing"),
        Bad("VersionText", "\"version\": 1", "\"version\": \"1\"", "\"version\" is the text"),
        Bad("VersionFraction", "\"version\": 1", "\"version\": 1.5", "1.5, not a whole number"),
        Bad("VersionTiny", "\"version\": 1", "\"version\": 1e-400", "not a whole number"),
        Bad("VersionZero", "\"version\": 1", "\"version\": 0", "version 0 is unknown"),
        Bad("VersionNegative", "\"version\": 1", "\"version\": -1", "version -1 is unknown"),
        Bad("VersionNewer", "\"version\": 1", "\"version\": 2", "made by a newer Ostrel"),
        Bad("VersionHuge", "\"version\": 1", "\"version\": 1e999", "made by a newer Ostrel"),
        Bad("UnitsMissing", "\"units\"", "\"unit\"", "the section \"units\" is missing"),
        Bad("UnitsNotObject",
            "{ \"length\": \"Millimeters\", \"oilPressure\": \"psi\", "
            "\"force\": \"US tons\" }",
            "null", "the section \"units\" is null, not an object"),
        Bad("UnitKeyMissing", "\"force\": \"US tons\"", "\"forces\": \"US tons\"",
            "\"force\" is missing from \"units\""),
        Bad("UnitUnknown", "\"US tons\"", "\"short tons\"",
            "\"force\" in \"units\" is \"short tons\", not one of \"kN\", \"Metric tons\", "
            "\"US tons\""),
        Bad("UnitCaseDiffers", "\"psi\"", "\"PSI\"", "\"oilPressure\" in \"units\" is \"PSI\""),
        Bad("UnitNotText", "\"Millimeters\"", "0", "\"length\" in \"units\" is a number, not"),
        Bad("DesignMissing", "\"design\"", "\"Design\"", "the section \"design\" is missing"),
        Bad("DesignNotObject", "\"design\": {", "\"design\": [], \"old\": {",
            "\"design\" is an array"),
        Bad("KeyMissing", "\"OEL\": 14, ", "", "\"OEL\" is missing from \"design\""),
        Bad("ValueText", "\"OEL\": 14", "\"OEL\": \"14\"",
            "\"OEL\" in \"design\" is the text \"14\", not a number"),
        Bad("ValueNull", "\"CubeSize\": 25.4", "\"CubeSize\": null",
            "\"CubeSize\" in \"design\" is null, not a number"),
        Bad("ValueArray", "\"TEL\": 8", "\"TEL\": [8]", "\"TEL\" in \"design\" is an array"),
        Bad("ValueBool", "\"TEL\": 8", "\"TEL\": true", "\"TEL\" in \"design\" is true"),
        Bad("ValueBeyondFloat", "\"OilPressure\": 6.897", "\"OilPressure\": 3.5e38",
            "\"OilPressure\" in \"design\" is 3.5e38, beyond the range of 32-bit floats"),
        Bad("ValueBeyondDouble", "\"OEL\": 14", "\"OEL\": -1e400", "-1e400, beyond the range"),
        Bad("CalibrationNotObject", "\"calibration\": {", "\"calibration\": [], \"old\": {",
            "the section \"calibration\" is an array, not an object"),
        Bad("PointsMissing", "\"points\"", "\"point\"", "\"points\" is missing from \"calibratio"),
        Bad("PointsNotArray", "\"points\": [", "\"points\": 3, \"x\": [",
            "\"points\" in \"calibration\" is a number, not an array"),
        Bad("PointNotObject", "\"points\": [", "\"points\": [ 5,",
            "calibration point 1 is a number, not an object"),
        Bad("ForceMissing", "\"force\": 2500,", "",
            "\"force\" is missing from calibration point 2"),
        Bad("ForceText", "\"force\": 2500", "\"force\": \"2500\"",
            "\"force\" in calibration point 2 is the text \"2500\", not a number"),
        Bad("PressureBeyondFloat", "\"pressure\": 13.4", "\"pressure\": 1e39",
            "\"pressure\" in calibration point 2 is 1e39, beyond the range"),
        Bad("LabelMissing", ", \"label\": \"Garnet-perovskite\"", "",
            "\"label\" is missing from calibration point 2"),
        Bad("LabelNotText", "\"Garnet-perovskite\"", "[]",
            "\"label\" in calibration point 2 is an array, not a text"),
        Bad("LabelTooLong", "Garnet-perovskite", std::string(201, 'x'),
            "\"label\" in calibration point 2 has 201 characters, more than 200"),
        BadCase{"TooManyPoints", ManyPoints(999), "has 1001 points, more than the 1000"},
        BadCase{"TooDeep", std::string(1100, '['),
                "column 1025: the JSON is not valid (too deeply"},
        BadCase{"GarbageAtEnd", kGood + "x", "(garbage at the end of the document)"},
        // A number with a leading dot is no JSON number, wherever it stands: the file's first
        // number was read as the digits after the dot.
        BadCase{"LeadingDotFirstNumber",
                R"({"design": {"OEL": .5}, "format": "ostrel-design", "version": 1})",
                "line 1, column 20: the JSON is not valid (a malformed number)"},
        Bad("LeadingDotVersion", "\"version\": 1", "\"version\": .1e1",
            "line 3, column 14: the JSON is not valid (a malformed number)"),
        Bad("LeadingDotLater", "\"TEL\": 8,", "\"TEL\": .250,",
            "line 6, column 23: the JSON is not valid (a malformed number)"),
        Bad("NumberPlus", "\"TEL\": 8,", "\"TEL\": +1,",
            "column 23: the JSON is not valid (a malformed"),
        Bad("NumberInfinity", "\"TEL\": 8,", "\"TEL\": Infinity,", "(a malformed number)"),
        Bad("NumberNegativeInfinity", "\"TEL\": 8,", "\"TEL\": -Infinity,", "(a malformed number)"),
        Bad("NumberNaNNamed", "\"TEL\": 8,", "\"TEL\": NaN,", "(a malformed number)"),
        // A version that only rounds to 1 is not the whole number 1.
        Bad("VersionJustBelowOne", "\"version\": 1", "\"version\": 0.99999999999999999999",
            "\"version\" is 0.99999999999999999999, not a whole number"),
        Bad("VersionJustAboveOne", "\"version\": 1", "\"version\": 1.00000000000000000001",
            "\"version\" is 1.00000000000000000001, not a whole number"),
        Bad("VersionHugeFraction", "\"version\": 1", "\"version\": 1.5e-999999999999999999999",
            "not a whole number"),
        // Text that is no Unicode once unescaped: refused, never changed into something else.
        Bad("LoneHighSurrogate", "Garnet-perovskite", "a\\ud800b",
            "the JSON is not valid (the escape \\ud800 is half of a surrogate pair"),
        Bad("LoneLowSurrogate", "Garnet-perovskite", "\\udc00", "the escape \\udc00 is half"),
        Bad("HighThenNoLow", "Garnet-perovskite", "\\ud83d\\u0041", "the escape \\ud83d is half"),
        Bad("InvalidUtf8", "Garnet-perovskite", "a\xff", "(invalid UTF8 string)"),
        Bad("EncodedSurrogate", "Garnet-perovskite", "\xED\xA0\x80", "(invalid UTF8 string)"),
        BadCase{"TooLarge", kGood + std::string(1024 * 1024, ' '), "larger than the 1 MiB"}),
    [](const auto& info) { return info.param.name; });

// A file in UTF-16 or UTF-32 is named as such (with or without a byte-order mark).
std::string Widened(const std::string& ascii, int width, bool big_endian, bool mark) {
  std::string out;
  const auto put = [&](std::uint32_t c) {
    for (int i = 0; i < width; ++i) {
      const int shift = 8 * (big_endian ? width - 1 - i : i);
      out += static_cast<char>((c >> shift) & 0xFF);
    }
  };
  if (mark) put(0xFEFF);
  for (const char c : ascii) put(static_cast<unsigned char>(c));
  return out;
}

TEST(DesignFileRead, WideEncodingsNamed) {
  const struct {
    int width;
    bool big_endian;
    const char* named;
  } encodings[] = {{2, false, "it is UTF-16 (little-endian) text; save it as UTF-8."},
                   {2, true, "it is UTF-16 (big-endian) text; save it as UTF-8."},
                   {4, false, "it is UTF-32 (little-endian) text; save it as UTF-8."},
                   {4, true, "it is UTF-32 (big-endian) text; save it as UTF-8."}};
  for (const auto& e : encodings) {
    for (const bool mark : {true, false}) {
      const DesignRead r = ParseDesign(Widened(kGood, e.width, e.big_endian, mark), "w.ostrel");
      EXPECT_EQ(r.error, std::string("Cannot open \"w.ostrel\": ") + e.named);
    }
  }
}

// Opening never changes a label: a surrogate pair is its character, a leading U+FEFF stays.
TEST(DesignFileRead, LabelsKeptAsWritten) {
  const std::pair<std::string, std::string> labels[] = {
      {"\\ud83d\\udc8e", "\xF0\x9F\x92\x8E"},
      {"\xEF\xBB\xBFx", "\xEF\xBB\xBFx"},
      {"\\ufeffx", "\xEF\xBB\xBFx"},
      {"\\u00e9\\/", "\xC3\xA9/"},
  };
  for (const auto& [written, label] : labels) {
    const DesignRead r = ParseDesign(Replaced(kGood, "Garnet-perovskite", written), "l.ostrel");
    ASSERT_TRUE(r.design) << r.error;
    EXPECT_EQ(r.design->calibration[1].label, label);
    const DesignRead again = ParseDesign(DesignJson(*r.design), "l.ostrel");
    ASSERT_TRUE(again.design) << again.error;
    EXPECT_EQ(again.design->calibration[1].label, label);
  }
}

// The reader's numbers round once, from their own text: the same float as a typed number.
struct NumberCase {
  const char* name;
  const char* text;
};

class NumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextTest, ReadsAsReadExact) {
  const DesignRead r = ParseDesign(
      Bytes(Replaced(kGood, "\"OEL\": 14", std::string("\"OEL\": ") + GetParam().text)), "n");
  ASSERT_TRUE(r.design) << r.error;
  const ReadResult expected = ReadExact(GetParam().text);
  ASSERT_EQ(expected.fault, Fault::None);
  EXPECT_EQ(Bits(r.design->inputs[0]), Bits(expected.value));
}

INSTANTIATE_TEST_SUITE_P(
    Exact, NumberTextTest,
    ::testing::Values(
        // Both decimals are nearest to a double that lies exactly halfway between two floats;
        // rounding that double to float would go the wrong way (ties to even).
        NumberCase{"JustAboveHalfwayOneUp", "1.00000005960464477539062500000001"},
        NumberCase{"JustBelowHalfwayOddBelow", "1.00000017881393432617187499999999"},
        NumberCase{"Underflow", "1e-50"}, NumberCase{"UnderflowNegative", "-1e-400"},
        NumberCase{"SmallestSubnormal", "8e-46"}, NumberCase{"LargestFloat", "3.4028235e38"},
        NumberCase{"ExponentForms", "0.0056E+3"}, NumberCase{"NegativeZero", "-0"}),
    [](const auto& info) { return info.param.name; });

TEST(DesignFileRead, HalfwayDecimalsDifferFromTheDoublePath) {
  // Guards the cases above: through a double they would give other floats.
  for (const char* text :
       {"1.00000005960464477539062500000001", "1.00000017881393432617187499999999"}) {
    const float via_double = static_cast<float>(std::stod(text));
    EXPECT_NE(Bits(ReadExact(text).value), Bits(via_double)) << text;
  }
}

TEST(DesignFileRead, UnknownKeysIgnoredAnyOrderAndMarkAccepted) {
  const std::string shuffled = R"({ "calibration": { "points": [
      { "label": "Coesite-stishovite", "note": [1, {"a": null}], "pressure": 6.2, "force": 1000 },
      { "pressure": 13.4, "force": 2500, "label": "Garnet-perovskite" } ], "fit": "linear" },
    "design": { "OilPressure": 6.897, "RamDiameter": 431.8, "TapeThickness": 0, "CubeSize": 25.4,
      "TCEdgePosition": 2, "TCCentralDepth": 0.5, "HoleDiameter": 5.6, "GasketWidth": 5,
      "TEL": 8, "OEL": 14, "Comment": "x" },
    "units": { "force": "US tons", "oilPressure": "psi", "length": "Millimeters", "x": 1e999 },
    "version": 1, "savedBy": { "program": "Ostrel", "at": [2026, 12] },
    "format": "ostrel-design" })";
  for (const std::string& text : {shuffled, "\xEF\xBB\xBF" + kGood}) {
    const DesignRead r = ParseDesign(Bytes(text), "cell.ostrel");
    ASSERT_TRUE(r.design) << r.error;
    EXPECT_TRUE(SameDesign(*r.design, GoodDesign()));
  }
}

// Saved then read gives the same design bit for bit.
Design With(float v, std::vector<CalibrationPoint> points = {}) {
  Design d = StartupDesign();
  for (float& input : d.inputs) input = v;
  d.units = {1, 0, 1};
  d.calibration = std::move(points);
  return d;
}

TEST(DesignFileWrite, RoundTripsBitForBit) {
  constexpr float kMax = std::numeric_limits<float>::max();
  std::string long_label;
  for (int i = 0; i < kMaxLabelCharacters; ++i) long_label += "\xF0\x9F\x92\x8E";  // U+1F48E
  const Design designs[] = {
      StartupDesign(),
      GoodDesign(),
      With(std::numeric_limits<float>::denorm_min()),
      With(-std::numeric_limits<float>::denorm_min()),
      With(std::numeric_limits<float>::min() * 0.999f),
      With(-0.0f),
      With(kMax),
      With(-kMax),
      With(0.1f,
           {{-0.0f, kMax, "Bi I\u2013II \u00e9 \u65e5\u672c"},
            {1e-45f, -1.5f, "quote \" backslash \\ tab \t line\n nul " + std::string(1, '\0')},
            {7.0f, 8.0f, ""},
            {1.0f, 2.0f, "\xEF\xBB\xBF leading U+FEFF, no byte-order mark here"},
            {9.0f, 10.0f, long_label}}),
  };
  for (const Design& d : designs) {
    ASSERT_TRUE(UnsavableReason(d).empty()) << UnsavableReason(d);
    const DesignRead r = ParseDesign(DesignJson(d), "round.ostrel");
    ASSERT_TRUE(r.design) << r.error;
    EXPECT_TRUE(SameDesign(*r.design, d)) << DesignJson(d);
  }
}

TEST(DesignFileWrite, StartupDesignLayout) {
  EXPECT_EQ(DesignJson(StartupDesign()), R"({
  "format": "ostrel-design",
  "version": 1,
  "units": { "length": "Millimeters", "oilPressure": "psi", "force": "US tons" },
  "design": {
    "OEL": 14,
    "TEL": 8,
    "GasketWidth": 5,
    "HoleDiameter": 5.6,
    "TCCentralDepth": 0.5,
    "TCEdgePosition": 2,
    "CubeSize": 25.4,
    "TapeThickness": 0,
    "RamDiameter": 431.8,
    "OilPressure": 6.897
  }
}
)");
}

TEST(DesignFileWrite, UnsavableDesignsNameTheCulprit) {
  const float inf = std::numeric_limits<float>::infinity();
  for (int i = 0; i < kDesignInputCount; ++i) {
    Design d = StartupDesign();
    d.inputs[i] = i % 2 ? -inf : std::numeric_limits<float>::quiet_NaN();
    EXPECT_NE(UnsavableReason(d).find(std::string("(") + kDesignInputs[i].key + ")"),
              std::string::npos)
        << UnsavableReason(d);
  }
  const std::pair<std::vector<CalibrationPoint>, const char*> calibrations[] = {
      {{{1, 2, "a"}, {inf, 2, "b"}}, "the force of calibration point 2 is infinite"},
      {{{1, -inf, "a"}}, "the pressure of calibration point 1 is infinite"},
      {{{1, 2, "\xff"}}, "the label of calibration point 1 is not valid UTF-8"},
      {{{1, 2, std::string(201, 'x')}}, "has 201 characters, more than 200"},
      {{{1, 2, "\xEF\xBB\xBF" + std::string(200, 'x')}}, "has 201 characters"},
      {std::vector<CalibrationPoint>(1001), "has 1001 points"},
  };
  for (const auto& [points, reason] : calibrations) {
    Design d = StartupDesign();
    d.calibration = points;
    EXPECT_NE(UnsavableReason(d).find(reason), std::string::npos) << UnsavableReason(d);
  }
}

// Files on disk, in a folder of their own.
class DesignFileDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "file_tests-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary);
    ASSERT_TRUE(f.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
  }
  static std::string Get(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return "<unreadable>";
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  void ExpectRefused(const std::string& path, const std::string& name, const char* problem) const {
    const DesignRead r = ReadDesignFile(path);
    EXPECT_FALSE(r.design);
    EXPECT_NE(r.error.find("Cannot open \"" + name + "\": "), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(problem), std::string::npos) << r.error;
  }
  std::filesystem::path dir_;
};

TEST_F(DesignFileDisk, WrittenFileReadsBack) {
  std::string error;
  ASSERT_TRUE(WriteDesignFile(Path("cell.ostrel"), GoodDesign(), &error)) << error;
  const DesignRead r = ReadDesignFile(Path("cell.ostrel"));
  ASSERT_TRUE(r.design) << r.error;
  EXPECT_TRUE(SameDesign(*r.design, GoodDesign()));
}

TEST_F(DesignFileDisk, UnusableFilesRefused) {
  ExpectRefused(dir_.string(), dir_.filename().string(), "it is a folder, not a file");
  ExpectRefused(Path("gone.ostrel"), "gone.ostrel", "it does not exist");
  ExpectRefused("/dev/null", "null", "not a regular file");
  Put(Path("empty.ostrel"), "");
  ExpectRefused(Path("empty.ostrel"), "empty.ostrel", "the file is empty");
  // A sparse file of 4 GiB: refused from its size, not read.
  Put(Path("huge.ostrel"), "");
  std::filesystem::resize_file(Path("huge.ostrel"), std::uintmax_t{4} << 30);
  ExpectRefused(Path("huge.ostrel"), "huge.ostrel", "4294967296 bytes long, larger than");
}

TEST_F(DesignFileDisk, UnreadableFileRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads a file whatever its permissions";
  Put(Path("locked.ostrel"), Bytes(kGood));
  std::filesystem::permissions(Path("locked.ostrel"), std::filesystem::perms::owner_write);
  ExpectRefused(Path("locked.ostrel"), "locked.ostrel", "it cannot be read (");
}

TEST_F(DesignFileDisk, FailedSaveKeepsTheOldFile) {
  Put(Path("cell.ostrel"), "old");
  std::string error;
  Design bad = StartupDesign();
  bad.inputs[3] = std::numeric_limits<float>::infinity();
  EXPECT_FALSE(WriteDesignFile(Path("cell.ostrel"), bad, &error));
  EXPECT_NE(error.find("Cannot save \"cell.ostrel\": Hole diameter (HoleDiameter) is infinite"),
            std::string::npos)
      << error;

  // A full disk: the file-size limit makes every write past 16 bytes fail, even for root.
  rlimit old_limit;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 16;
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = WriteDesignFile(Path("cell.ostrel"), StartupDesign(), &error);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(saved);
  EXPECT_NE(error.find("Cannot save \"cell.ostrel\": only 16 of its"), std::string::npos) << error;
  EXPECT_EQ(Get(Path("cell.ostrel")), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"cell.ostrel"});

  EXPECT_FALSE(WriteDesignFile(Path("none/cell.ostrel"), StartupDesign(), &error));
  EXPECT_NE(error.find("none\" does not exist"), std::string::npos) << error;
  if (geteuid() != 0) {  // root writes into any folder
    std::filesystem::permissions(
        dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(WriteDesignFile(Path("cell.ostrel"), StartupDesign(), &error));
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    EXPECT_EQ(Get(Path("cell.ostrel")), "old");
  }
}

// A pipe or a socket where the design file was: refused when reading (at once, never waiting for
// a writer) and when saving (left as it was, nothing written).
TEST_F(DesignFileDisk, PipeAndSocketRefusedAndLeftAlone) {
  ASSERT_EQ(mkfifo(Path("pipe.ostrel").c_str(), 0600), 0);
  const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = Path("socket.ostrel");
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socket_path.c_str(), socket_path.size() + 1);
  ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const std::pair<const char*, const char*> targets[] = {{"pipe.ostrel", "a pipe"},
                                                         {"socket.ostrel", "a socket"}};
  for (const auto& [name, kind] : targets) {
    const std::string problem = std::string("it is not a regular file (it is ") + kind + ")";
    ExpectRefused(Path(name), name, problem.c_str());
    std::string error;
    EXPECT_FALSE(WriteDesignFile(Path(name), StartupDesign(), &error));
    EXPECT_EQ(error,
              std::string("Cannot save \"") + name + "\": " + problem + ", so it was left alone.");
    struct stat st {};
    ASSERT_EQ(stat(Path(name).c_str(), &st), 0);
    EXPECT_FALSE(S_ISREG(st.st_mode)) << name;
  }
  close(listening);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"pipe.ostrel", "socket.ostrel"}));
}

// The file is opened first (without blocking) and what was opened is checked: a path that a pipe
// takes over between a check and the open can no longer make the reader wait. Run in a child
// process that an alarm ends if a read hangs.
TEST_F(DesignFileDisk, PathSwappedToPipeNeverHangs) {
  Put(Path("good.ostrel"), kGood);
  ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    alarm(20);
    std::atomic<bool> done{false};
    std::thread swapper([&] {
      // Swaps the design's name between the file and the pipe, as fast as it can.
      for (bool pipe = true; !done; pipe = !pipe) {
        const std::string from = Path(pipe ? "pipe" : "good.ostrel");
        link(from.c_str(), Path("cell.tmp").c_str());
        rename(Path("cell.tmp").c_str(), Path("cell.ostrel").c_str());
      }
    });
    int read_ok = 0;
    for (int i = 0; i < 2000; ++i) {
      const DesignRead r = ReadDesignFile(Path("cell.ostrel"));
      read_ok += r.design.has_value() ||
                 r.error.find("not a regular file (it is a pipe)") != std::string::npos ||
                 r.error.find("does not exist") != std::string::npos;
    }
    done = true;
    swapper.join();
    _exit(read_ok == 2000 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

// What the system said, not "does not exist"; a name in any bytes opens; control characters of
// a name are escaped in the message.
TEST_F(DesignFileDisk, MessagesSayWhatTheSystemSaid) {
  ASSERT_EQ(symlink("loop.ostrel", Path("loop.ostrel").c_str()), 0);
  ExpectRefused(Path("loop.ostrel"), "loop.ostrel",
                "it cannot be read (Too many levels of symbolic links)");
  const std::string long_name = std::string(300, 'n') + ".ostrel";
  const DesignRead too_long = ReadDesignFile(Path(long_name.c_str()));
  EXPECT_NE(too_long.error.find("it cannot be read (File name too long)"), std::string::npos)
      << too_long.error;

  Put(Path("\xff\xfe.ostrel"), kGood);
  const DesignRead odd = ReadDesignFile(Path("\xff\xfe.ostrel"));
  ASSERT_TRUE(odd.design) << odd.error;
  EXPECT_TRUE(SameDesign(*odd.design, GoodDesign()));

  const DesignRead escaped = ReadDesignFile(Path("\x1b[31mred\x7f\xc2\x9b.ostrel"));
  EXPECT_EQ(escaped.error,
            "Cannot open \"\\x1b[31mred\\x7f\\xc2\\x9b.ostrel\": it does not exist (it may have "
            "been moved or removed).");
  std::string error;
  EXPECT_FALSE(WriteDesignFile(Path("\x1b/cell.ostrel"), StartupDesign(), &error));
  EXPECT_EQ(error.find('\x1b'), std::string::npos) << error;
}

// Opening gives the stamp of what was read; a save gives the stamp of what was written, and the
// file's stamp differs from either once another writer changed it.
TEST_F(DesignFileDisk, StampsTellAChangedFile) {
  FileStamp written;
  std::string error;
  ASSERT_TRUE(WriteDesignFile(Path("cell.ostrel"), StartupDesign(), &error, &written)) << error;
  EXPECT_EQ(StampOf(Path("cell.ostrel")), written);
  EXPECT_EQ(ReadDesignFile(Path("cell.ostrel")).stamp, written);
  EXPECT_EQ(written.size, static_cast<std::int64_t>(DesignJson(StartupDesign()).size()));
  Design other = StartupDesign();
  other.inputs[0] = 20;
  ASSERT_TRUE(WriteDesignFile(Path("cell.ostrel"), other, &error)) << error;
  EXPECT_NE(StampOf(Path("cell.ostrel")), written);
  EXPECT_FALSE(StampOf(Path("gone.ostrel")).exists);
  // A link is followed: the file it leads to is replaced, the link stays.
  ASSERT_EQ(symlink("cell.ostrel", Path("link.ostrel").c_str()), 0);
  ASSERT_TRUE(WriteDesignFile(Path("link.ostrel"), StartupDesign(), &error)) << error;
  struct stat st {};
  ASSERT_EQ(lstat(Path("link.ostrel").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(Get(Path("cell.ostrel")), DesignJson(StartupDesign()));
}

}  // namespace
}  // namespace ostrel::file
