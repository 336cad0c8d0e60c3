// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstdio>
#include <string>

#include "cli/csv_reader.h"
#include "cli/output_format.h"
#include "design/design.h"

// --batch: one design per CSV row.
//
// Data flow: CsvReader (one record at a time) -> the header's columns pick which of the ten
// inputs each field sets, the others keep the start-up design's values -> HeadlessCalculator::Open
// -> one output row, buffered and written in blocks. Nothing grows with the input's length.
//
// Pure C++: no Qt.
namespace ostrel::cli {

struct BatchOptions {
  Format format = Format::Csv;  // Csv or Json
  Values values = Values::Display;
  DesignUnits units;                          // the start-up selection unless --units
  std::string input_name = "standard input";  // for messages
};

// Exit statuses of the command line.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a row or the design failed, or the output
inline constexpr int kExitUsage = 2;

// Reads the header and the rows of input and writes one output row per row, in order. A row that
// cannot be computed (a bad field, a wrong number of fields, a bad header) or whose calculation
// faults is reported on err with its line and has its fault column filled; the run goes on.
// Returns kExitSuccess, or kExitFailure when any row failed or the input or output failed.
int RunBatch(const BatchOptions& options, ByteSource& input, std::FILE* out, std::FILE* err);

}  // namespace ostrel::cli
