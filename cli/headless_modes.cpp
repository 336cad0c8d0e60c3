// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/headless_modes.h"

#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/argument_text.h"
#include "cli/batch_run.h"
#include "cli/headless_calculator.h"
#include "cli/unit_selection.h"
#include "file/design_file.h"
#include "file/message_text.h"

namespace ostrel::cli {

namespace {

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// A path in a message: control characters (which a terminal would obey) and bytes that are not
// UTF-8 escaped.
QString ShownPath(const QString& path) {
  return QString::fromStdString(file::EscapedPath(ArgumentBytes(path)));
}

int WriteAll(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "ostrel: cannot write the output: %s\n", std::strerror(errno));
    return kExitFailure;
  }
  return kExitSuccess;
}

int RunPrint(const Request& request) {
  const file::DesignRead read = file::ReadDesignFile(ArgumentBytes(request.path));
  if (!read.design) {
    Print(stderr, QStringLiteral("ostrel: %1\n").arg(QString::fromStdString(read.error)));
    return kExitFailure;
  }
  Design design = *read.design;
  if (request.units) design.units = *request.units;
  HeadlessCalculator calculator;
  const Fault fault = calculator.Open(design);
  const int written = WriteAll(PrintReport(calculator, fault, request.format, request.values));
  if (fault != Fault::None) {
    // Named as the window's report names it, with where; the quantities not computed are empty
    // above.
    Print(stderr, QStringLiteral("ostrel: %1: %2\n")
                      .arg(ShownPath(request.path),
                           QString::fromStdString(WhyNotComputed(calculator.Numbers()))));
    return kExitFailure;
  }
  return written;
}

int RunBatchRequest(const Request& request) {
  BatchOptions options;
  options.format = request.format;
  options.values = request.values;
  if (request.units) options.units = *request.units;
  if (request.path.isEmpty() || request.path == QStringLiteral("-")) {
    FileSource source(stdin);
    return RunBatch(options, source, stdout, stderr);
  }
  std::FILE* file = std::fopen(ArgumentBytes(request.path).c_str(), "rb");
  if (file == nullptr) {
    Print(stderr, QStringLiteral("ostrel: cannot open %1: %2\n")
                      .arg(ShownPath(request.path), QString::fromLocal8Bit(std::strerror(errno))));
    // A file that failed, as for --print: no usage error.
    return kExitFailure;
  }
  options.input_name = ArgumentBytes(request.path);
  FileSource source(file);
  const int status = RunBatch(options, source, stdout, stderr);
  std::fclose(file);
  return status;
}

}  // namespace

ModeOptions::ModeOptions(QCommandLineParser& parser)
    : print_(QStringLiteral("print"),
             QStringLiteral("Print every quantity of the design file DESIGN with its value and "
                            "unit, as the window shows them after opening it, and exit."),
             QStringLiteral("DESIGN")),
      batch_(QStringLiteral("batch"),
             QStringLiteral("Compute one design per row of the CSV file INPUT (standard input when "
                            "it is - or missing) and write one row of results for each. Its "
                            "header names inputs by their design file keys (OEL, TEL, "
                            "GasketWidth, HoleDiameter, TCCentralDepth, TCEdgePosition, CubeSize, "
                            "TapeThickness, RamDiameter, OilPressure), values are in mm and MPa "
                            "with \".\" as the decimal separator, a missing column takes the "
                            "start-up value.")),
      format_(QStringLiteral("format"),
              QStringLiteral("Output format: text (--print only, its default), csv (the default "
                             "of --batch) or json."),
              QStringLiteral("text|csv|json")),
      units_(QStringLiteral("units"),
             QStringLiteral("Length, oil-pressure and force units, for instance "
                            "\"Inches,bars,kN\" (Millimeters or Inches; MPa, bars or psi; kN, "
                            "Metric tons or US tons), instead of the design file's (--print) or "
                            "the start-up ones (--batch)."),
             QStringLiteral("LENGTH,OIL,FORCE")),
      exact_(QStringLiteral("exact"),
             QStringLiteral("Write the stored values in internal units (mm, mm³, degrees, MPa, "
                            "kN, GPa), each as the shortest decimal that reads back as the same "
                            "float, instead of the texts (in JSON, as numbers).")) {
  for (const QCommandLineOption* option : {&print_, &batch_, &format_, &units_, &exact_}) {
    parser.addOption(*option);
  }
}

QString ModeOptions::PositionalSyntax() {
  return QStringLiteral("[FILE | --print DESIGN | --batch [INPUT.csv | -]]");
}

ModeOptions::Outcome ModeOptions::Read(const QCommandLineParser& parser) const {
  const auto error = [](const QString& message) { return Outcome{std::nullopt, message}; };
  const bool printing = parser.isSet(print_);
  const bool batching = parser.isSet(batch_);
  if (printing && batching) return error(QStringLiteral("--print and --batch exclude each other."));
  if (!printing && !batching) {
    if (parser.isSet(format_) || parser.isSet(units_) || parser.isSet(exact_))
      return error(QStringLiteral("--format, --units and --exact need --print or --batch."));
    return {};
  }

  Request request;
  const QStringList positional = parser.positionalArguments();
  if (printing) {
    if (parser.values(print_).size() > 1 || !positional.isEmpty())
      return error(QStringLiteral("--print takes one design file."));
    request.mode = Request::Mode::Print;
    request.path = parser.value(print_);
    if (request.path.isEmpty()) return error(QStringLiteral("the design's file name is empty."));
  } else {
    if (positional.size() > 1) return error(QStringLiteral("--batch takes one input."));
    request.mode = Request::Mode::Batch;
    request.format = Format::Csv;
    if (!positional.isEmpty()) request.path = positional.front();
  }

  if (parser.isSet(format_)) {
    const std::optional<Format> format = ParseFormat(parser.value(format_).toStdString());
    if (!format || (batching && *format == Format::Text)) {
      return error(QStringLiteral("--format: \"%1\" is not one of %2.")
                       .arg(parser.value(format_), printing ? QStringLiteral("text, csv, json")
                                                            : QStringLiteral("csv, json")));
    }
    request.format = *format;
  }
  if (parser.isSet(units_)) {
    const UnitSelection selection = ParseUnitSelection(parser.value(units_).toStdString());
    if (!selection.units) return error(QString::fromStdString(selection.error) + QLatin1Char('.'));
    request.units = selection.units;
  }
  if (parser.isSet(exact_)) request.values = Values::Exact;
  return {request, {}};
}

int Run(const Request& request) {
  return request.mode == Request::Mode::Print ? RunPrint(request) : RunBatchRequest(request);
}

}  // namespace ostrel::cli
