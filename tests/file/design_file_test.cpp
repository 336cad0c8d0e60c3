// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/design_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <limits>
#include <string>

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

QByteArray Bytes(const std::string& s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
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
  ASSERT_TRUE(r.design) << r.error.toStdString();
  EXPECT_TRUE(r.error.isEmpty());
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
  const std::string message = r.error.toStdString();
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
        BadCase{"TooLarge", kGood + std::string(1024 * 1024, ' '), "larger than the 1 MiB"}),
    [](const auto& info) { return info.param.name; });

// The reader's numbers round once, from their own text: the same float as a typed number.
struct NumberCase {
  const char* name;
  const char* text;
};

class NumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextTest, ReadsAsReadExact) {
  const DesignRead r = ParseDesign(
      Bytes(Replaced(kGood, "\"OEL\": 14", std::string("\"OEL\": ") + GetParam().text)), "n");
  ASSERT_TRUE(r.design) << r.error.toStdString();
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
    ASSERT_TRUE(r.design) << r.error.toStdString();
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
    ASSERT_TRUE(UnsavableReason(d).isEmpty()) << UnsavableReason(d).toStdString();
    const DesignRead r = ParseDesign(DesignJson(d), "round.ostrel");
    ASSERT_TRUE(r.design) << r.error.toStdString();
    EXPECT_TRUE(SameDesign(*r.design, d)) << DesignJson(d).toStdString();
  }
}

TEST(DesignFileWrite, StartupDesignLayout) {
  EXPECT_EQ(DesignJson(StartupDesign()).toStdString(), R"({
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
    EXPECT_NE(UnsavableReason(d).indexOf(QString("(%1)").arg(kDesignInputs[i].key)), -1)
        << UnsavableReason(d).toStdString();
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
    EXPECT_NE(UnsavableReason(d).indexOf(reason), -1) << UnsavableReason(d).toStdString();
  }
}

// Files on disk.
class DesignFileDisk : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(name); }
  static void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  static QByteArray Get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
  }
  void ExpectRefused(const QString& path, const char* name, const char* problem) const {
    const DesignRead r = ReadDesignFile(path);
    EXPECT_FALSE(r.design);
    EXPECT_NE(r.error.indexOf(QString("Cannot open \"%1\": ").arg(name)), -1) << name;
    EXPECT_NE(r.error.indexOf(problem), -1) << r.error.toStdString();
  }
  QTemporaryDir dir_;
};

TEST_F(DesignFileDisk, WrittenFileReadsBack) {
  QString error;
  ASSERT_TRUE(WriteDesignFile(Path("cell.ostrel"), GoodDesign(), &error)) << error.toStdString();
  const DesignRead r = ReadDesignFile(Path("cell.ostrel"));
  ASSERT_TRUE(r.design) << r.error.toStdString();
  EXPECT_TRUE(SameDesign(*r.design, GoodDesign()));
}

TEST_F(DesignFileDisk, UnusableFilesRefused) {
  ExpectRefused(dir_.path(), QDir(dir_.path()).dirName().toUtf8(), "it is a folder, not a file");
  ExpectRefused(Path("gone.ostrel"), "gone.ostrel", "it does not exist");
  ExpectRefused("/dev/null", "null", "not a regular file");
  Put(Path("empty.ostrel"), "");
  ExpectRefused(Path("empty.ostrel"), "empty.ostrel", "the file is empty");
  // A sparse file of 4 GiB: refused from its size, not read.
  QFile huge(Path("huge.ostrel"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{4} << 30));
  huge.close();
  ExpectRefused(Path("huge.ostrel"), "huge.ostrel", "4294967296 bytes long, larger than");
}

TEST_F(DesignFileDisk, UnreadableFileRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads a file whatever its permissions";
  Put(Path("locked.ostrel"), Bytes(kGood));
  QFile::setPermissions(Path("locked.ostrel"), QFileDevice::WriteOwner);
  ExpectRefused(Path("locked.ostrel"), "locked.ostrel", "it cannot be read (");
}

TEST_F(DesignFileDisk, FailedSaveKeepsTheOldFile) {
  Put(Path("cell.ostrel"), "old");
  QString error;
  Design bad = StartupDesign();
  bad.inputs[3] = std::numeric_limits<float>::infinity();
  EXPECT_FALSE(WriteDesignFile(Path("cell.ostrel"), bad, &error));
  EXPECT_NE(error.indexOf("Cannot save \"cell.ostrel\": Hole diameter (HoleDiameter) is infinite"),
            -1)
      << error.toStdString();

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
  EXPECT_NE(error.indexOf("Cannot save \"cell.ostrel\": only 16 of its"), -1)
      << error.toStdString();
  EXPECT_EQ(Get(Path("cell.ostrel")), "old");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"cell.ostrel"});

  EXPECT_FALSE(WriteDesignFile(Path("none/cell.ostrel"), StartupDesign(), &error));
  EXPECT_NE(error.indexOf("none\" does not exist"), -1) << error.toStdString();
  if (geteuid() != 0) {  // root writes into any folder
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(WriteDesignFile(Path("cell.ostrel"), StartupDesign(), &error));
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(Get(Path("cell.ostrel")), "old");
  }
}

}  // namespace
}  // namespace ostrel::file
