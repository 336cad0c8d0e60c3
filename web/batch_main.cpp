// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// `ostrel --batch` compiled to WebAssembly and run under Node: the same CSV reader, headless
// calculator and output formats as the desktop's command line, so that the two builds' outputs
// can be compared byte for byte. The options are the desktop's --batch options:
//   node ostrel_batch.js [--format csv|json] [--units LENGTH,OIL,FORCE] [--exact] [INPUT.csv | -]
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/batch_run.h"
#include "cli/csv_reader.h"
#include "cli/output_format.h"
#include "cli/unit_selection.h"

namespace {

using namespace ostrel::cli;

int Usage(const std::string& message) {
  std::fprintf(stderr, "ostrel: %s\n", message.c_str());
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  BatchOptions options;
  std::string path;
  bool have_path = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool takes_value = arg == "--format" || arg == "--units";
    if (takes_value && i + 1 == argc) return Usage(std::string(arg) + " needs a value.");
    if (arg == "--exact") {
      options.values = Values::Exact;
    } else if (arg == "--format") {
      const auto format = ParseFormat(argv[++i]);
      if (!format || *format == Format::Text) return Usage("--batch writes csv or json.");
      options.format = *format;
    } else if (arg == "--units") {
      const UnitSelection selection = ParseUnitSelection(argv[++i]);
      if (!selection.units) return Usage("--units: " + selection.error);
      options.units = *selection.units;
    } else if (!have_path && (arg == "-" || arg.substr(0, 1) != "-")) {
      path = arg;
      have_path = true;
    } else {
      return Usage("unknown or repeated argument: " + std::string(arg));
    }
  }
  if (path.empty() || path == "-") {
    FileSource source(stdin);
    return RunBatch(options, source, stdout, stderr);
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    std::fprintf(stderr, "ostrel: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
    return kExitUsage;
  }
  options.input_name = path;
  FileSource source(file);
  const int status = RunBatch(options, source, stdout, stderr);
  std::fclose(file);
  return status;
}
