// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/headless_calculator.h"
#include "cli/unit_selection.h"
#include "design/open_design.h"

namespace ostrel::cli {
namespace {

// What `ostrel FILE` runs in the window, from scratch every time.
struct Reference {
  CalcState s;
  TextView v{"."};
  Handlers h{s, v};
  Fault fault;

  explicit Reference(const Design& design) {
    v.Attach(&h);
    (void)h.Form_Load();
    fault = OpenDesign(design, s, v);
  }
};

Design With(std::initializer_list<std::pair<int, float>> inputs, DesignUnits units = {}) {
  Design d = StartupDesign();
  for (const auto& [index, value] : inputs) d.inputs[index] = value;
  d.units = units;
  return d;
}

// Starting every design from a copy of the start-up state gives what the whole sequence gives,
// bit for bit, whatever the designs before it did (faults that stop at any step included).
TEST(HeadlessCalculator, EachDesignAsIfOpenedOnAFreshWindow) {
  const DesignUnits inches_bars_kn{1, 1, 0};
  const Design designs[] = {
      With({}),
      With({{0, 0}, {1, 0}}),          // division by zero in All_Calc
      With({}, inches_bars_kn),        // three selections, each refreshing
      With({{1, 0}}, inches_bars_kn),  // the first selection's refresh faults
      With({{0, 3e38f}}),              // overflow
      With({{8, 1e-45f}, {9, -6.5f}}, {0, 0, 1}),
      With({}),
  };
  HeadlessCalculator calculator;
  for (const Design& design : designs) {
    const Reference expected(design);
    EXPECT_EQ(calculator.Open(design), expected.fault);
    EXPECT_EQ(std::memcmp(&calculator.State(), &expected.s, sizeof(CalcState)), 0);
    EXPECT_EQ(calculator.View().Texts(), expected.v.Texts());
    for (const Group g :
         {Group::optDistanceUnits, Group::optOilPressureUnits, Group::optForceUnits})
      EXPECT_EQ(calculator.View().Selected(g), expected.v.Selected(g));
  }
}

TEST(UnitSelection, CaptionsInGroupOrder) {
  struct Case {
    const char* text;
    int length, oil, force;  // -1: refused
  };
  const Case cases[] = {
      {"Inches,bars,kN", 1, 1, 0},         {" Millimeters , psi , US tons", 0, 2, 2},
      {"Inches,MPa,Metric tons", 1, 0, 1}, {"inches,bars,kN", -1, 0, 0},
      {"bars,Inches,kN", -1, 0, 0},        {"Inches,bars", -1, 0, 0},
      {"Inches,bars,kN,kN", -1, 0, 0},     {"", -1, 0, 0},
  };
  for (const Case& c : cases) {
    const UnitSelection s = ParseUnitSelection(c.text);
    if (c.length < 0) {
      EXPECT_FALSE(s.units) << c.text;
      EXPECT_FALSE(s.error.empty()) << c.text;
    } else {
      ASSERT_TRUE(s.units) << c.text;
      EXPECT_EQ(*s.units, (DesignUnits{c.length, c.oil, c.force})) << c.text;
    }
  }
}

struct BatchResult {
  int status;
  std::string out, err;
};

BatchResult RunOn(const std::string& input, BatchOptions options) {
  options.input_name = "in.csv";
  char* out = nullptr;
  char* err = nullptr;
  std::size_t out_size = 0, err_size = 0;
  std::FILE* out_file = open_memstream(&out, &out_size);
  std::FILE* err_file = open_memstream(&err, &err_size);
  MemorySource source(input);
  BatchResult run;
  run.status = RunBatch(options, source, out_file, err_file);
  std::fclose(out_file);
  std::fclose(err_file);
  run.out.assign(out, out_size);
  run.err.assign(err, err_size);
  std::free(out);
  std::free(err);
  return run;
}

// The start-up design's texts, and those of OEL 10, TEL 5, 20 MPa, in mm, psi and US tons.
const std::string kStartupTexts =
    "14,8,5,5.6,0.5,2,25.4,0,2.83,10,14,1293.53,11.43,1,20,24,2885,281.55,135.18,8.51,20,50.8,"
    "2.83,431.8,1000,113.5,9.1";
const std::string kSmallTexts =
    "10,5,5,5.6,0.5,2,25.4,0,2.36,6.67,10,471.4,8.16,0.83,16.67,20,1885.62,201.1,141.79,12.09,"
    "16.67,50.8,2.36,431.8,2900,329.2,67.6";
const std::string kNoValues(27, ',');
// OEL 0, TEL 0, oil pressure 1 MPa: All_Calc faults, so only the inputs have values; never the
// start-up design's numbers.
const std::string kZeroOelTexts = "0,0,5,5.6,0.5,2,25.4,0,,,,,,,,,,,,,,,,431.8,145,,";

// Columns in any order, a missing column at its start-up value, good rows and every kind of bad
// one, a blank line between them.
const std::string kInput =
    "TEL,OEL,OilPressure\r\n8,14,6.897\r\n5,10,20\r\n\r\nabc,14,1\n\"8\",14\n0,0,1\n"
    "8,14,1,2\n8,1e39,1\n\"8\"x,14,1\n";

TEST(Batch, EveryRowInOrderWithItsFault) {
  const BatchResult run = RunOn(kInput, {});
  EXPECT_EQ(run.status, kExitFailure);
  const std::string rows = run.out.substr(run.out.find('\n') + 1);
  EXPECT_EQ(rows, "2," + kStartupTexts + ",\n3," + kSmallTexts + ",\n5" + kNoValues +
                      ",\"TEL: \"\"abc\"\" is not a number\"\n6" + kNoValues +
                      ",2 fields where the header has 3\n7," + kZeroOelTexts +
                      ",Division by zero\n8" + kNoValues + ",4 fields where the header has 3\n9" +
                      kNoValues + ",\"OEL: \"\"1e39\"\" lies beyond the range of a float\"\n10" +
                      kNoValues + ",text follows the closing quote of a field\n");
  EXPECT_EQ(run.err,
            "ostrel: in.csv:5: TEL: \"abc\" is not a number\n"
            "ostrel: in.csv:6: 2 fields where the header has 3\n"
            "ostrel: in.csv:7: Division by zero. While computing Spread angle: Octahedron edge "
            "length (OEL) is 0. Change it in section 1.\n"
            "ostrel: in.csv:8: 4 fields where the header has 3\n"
            "ostrel: in.csv:9: OEL: \"1e39\" lies beyond the range of a float\n"
            "ostrel: in.csv:10: text follows the closing quote of a field\n");
}

TEST(Batch, HeaderNamesQuantityAndUnitOfTheSelection) {
  BatchOptions options;
  options.units = {1, 1, 0};
  const BatchResult run = RunOn("OEL\n14\n", options);
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "line,Octahedron edge length (in),Truncation edge length (in),Gasket width (in),"
            "Hole diameter (in),Thermocouple central depth (in),Thermocouple position on "
            "octahedron edge (in),Cube size (in),Tape thickness (in),Gasket thickness (in),"
            "Gasket inner short edge (in),Gasket inner long edge (in),Octahedron volume (in³),"
            "Hole length (in),Octahedron waist (in),Gasket outer short edge (in),Gasket outer "
            "long edge (in),Total gasket volume (in³),Hole volume (in³),Spread angle (degrees),"
            "Rake angle (degrees),Paper hole width (in),Paper width (in),Modified gasket "
            "thickness (in),Ram diameter (in),Oil pressure (bar),Force (kN),Theoretical "
            "pressure (GPa),fault");
  EXPECT_EQ(run.out.substr(run.out.find('\n') + 1),
            "2,0.55118,0.31496,0.19685,0.220472,0.019685,0.07874,0.999998,0,0.111,0.394,0.551,"
            "0.079,0.45,0.039,0.787,0.945,0.176,0.017,135.18,8.51,0.787,2,0.111,17,69,1010,9.1,"
            "\n");
}

TEST(Batch, ExactValuesAsJson) {
  BatchOptions options;
  options.format = Format::Json;
  options.values = Values::Exact;
  const BatchResult run = RunOn("OEL,TEL\n10,5\nx,1\n", options);
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.out.substr(run.out.find("\"rows\"")),
            "\"rows\": [\n"
            "{\"line\": 2, \"values\": [10,5,5,5.6,0.5,2,25.4,0,"
            "2.3570225,6.6666665,10,471.4045,8.164966,0.8333333,"
            "16.666666,20,1885.618,201.1038,141.78679,12.085436,"
            "16.666666,50.8,2.3570225,431.8,6.897,1009.98596,"
            "23.324627], \"fault\": null},\n"
            "{\"line\": 3, \"values\": null, \"fault\": \"OEL: \\\"x\\\" is not a number\"}\n"
            "]}\n");
  EXPECT_NE(run.out.find("{\"quantity\": \"Octahedron volume\", \"unit\": \"mm³\"}"),
            std::string::npos);
}

// Far more than one block of input and of output: every row, in order, nothing lost at a block's
// edge.
TEST(Batch, RowsAcrossManyBlocks) {
  std::string input = "OEL,TEL\n";
  for (int i = 0; i < 3000; ++i) input += i % 2 == 0 ? "14,8\n" : "10,5\n";
  const BatchResult run = RunOn(input, {});
  EXPECT_EQ(run.status, kExitSuccess);
  std::size_t at = run.out.find('\n') + 1;
  for (int line = 2; line <= 3001; ++line) {
    const std::string expected =
        std::to_string(line) + "," + (line % 2 == 0 ? kStartupTexts : kSmallTexts).substr(0, 5);
    ASSERT_EQ(run.out.compare(at, expected.size(), expected), 0) << "line " << line;
    at = run.out.find('\n', at) + 1;
  }
  EXPECT_EQ(at, run.out.size());
}

TEST(Batch, BadHeaderFailsEveryRowAndIsReportedOnce) {
  const BatchResult run = RunOn("OEL,Oel\n1,2\n3,4\n", {});
  EXPECT_EQ(run.status, kExitFailure);
  const std::string fault =
      ",\"bad header (line 1): unknown column \"\"Oel\"\" (the columns are OEL, TEL, "
      "GasketWidth, HoleDiameter, TCCentralDepth, TCEdgePosition, CubeSize, TapeThickness, "
      "RamDiameter, OilPressure)\"\n";
  EXPECT_EQ(run.out.substr(run.out.find('\n') + 1),
            "2" + kNoValues + fault + "3" + kNoValues + fault);
  EXPECT_EQ(run.err.find("ostrel: in.csv:1: unknown column \"Oel\""), 0u);
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);

  EXPECT_EQ(RunOn("OEL,OEL\n", {}).status, kExitFailure);
  EXPECT_EQ(RunOn("\xEF\xBB\xBFOEL\n14\n", {}).status, kExitSuccess);
  EXPECT_EQ(RunOn("", {}).status, kExitSuccess);
}

}  // namespace
}  // namespace ostrel::cli
