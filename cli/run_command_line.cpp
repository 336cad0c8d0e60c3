// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/run_command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/batch_run.h"
#include "cli/headless_calculator.h"
#include "cli/output_format.h"
#include "cli/unit_selection.h"
#include "file/design_file.h"

namespace ostrel::cli {

namespace {

// An argument that asks for a mode of this file: the option's name, with or without "=value".
bool IsModeArgument(std::string_view argument) {
  static constexpr std::string_view kNames[] = {"--print", "--batch", "--format",   "--units",
                                                "--exact", "--help",  "--help-all", "--version",
                                                "-h",      "-?",      "-v"};
  for (const std::string_view name : kNames) {
    if (argument == name) return true;
    if (name.size() > 2 && argument.size() > name.size() &&
        argument.substr(0, name.size()) == name && argument[name.size()] == '=')
      return true;
  }
  return false;
}

QString VersionText() {
  return QStringLiteral(
             "Ostrel %1\nLicence: GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>\n"
             "This is free software: you are free to change and redistribute it.\n")
      .arg(QStringLiteral(OSTREL_VERSION));
}

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int UsageError(const QString& message) {
  Print(stderr,
        QStringLiteral("ostrel: %1\nTry 'ostrel --help' for more information.\n").arg(message));
  return kExitUsage;
}

int WriteAll(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "ostrel: cannot write the output: %s\n", std::strerror(errno));
    return kExitFailure;
  }
  return kExitSuccess;
}

int RunPrint(const QString& path, const std::optional<DesignUnits>& units, Format format,
             Values values) {
  const file::DesignRead read = file::ReadDesignFile(path);
  if (!read.design) {
    Print(stderr, QStringLiteral("ostrel: %1\n").arg(read.error));
    return kExitFailure;
  }
  Design design = *read.design;
  if (units) design.units = *units;
  HeadlessCalculator calculator;
  const Fault fault = calculator.Open(design);
  const int written = WriteAll(PrintReport(calculator, fault, format, values));
  if (fault != Fault::None) {
    // Named as the window's report names it; the texts above are those the window then shows.
    Print(stderr,
          QStringLiteral("ostrel: %1: %2\n").arg(path, QString::fromUtf8(FaultText(fault))));
    return kExitFailure;
  }
  return written;
}

int RunBatchInput(const QString& input, BatchOptions options) {
  if (input.isEmpty() || input == QStringLiteral("-")) {
    FileSource source(stdin);
    return RunBatch(options, source, stdout, stderr);
  }
  std::FILE* file = std::fopen(QFile::encodeName(input).constData(), "rb");
  if (file == nullptr) {
    Print(stderr, QStringLiteral("ostrel: cannot open %1: %2\n")
                      .arg(input, QString::fromLocal8Bit(std::strerror(errno))));
    return kExitUsage;
  }
  options.input_name = input.toStdString();
  FileSource source(file);
  const int status = RunBatch(options, source, stdout, stderr);
  std::fclose(file);
  return status;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  bool wanted = false;
  for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
    wanted = wanted || IsModeArgument(argv[i]);
  }
  if (!wanted) return std::nullopt;

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Cell design calculator for multi-anvil high-pressure experiments.\n"
      "Without options, opens the window; with FILE, opens that design in it.\n"
      "--print and --batch need no display; they write numbers with \".\" as the decimal\n"
      "separator whatever the locale. Exit status: 0 success, 1 a design or row failed,\n"
      "2 a usage error."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption print(
      QStringLiteral("print"),
      QStringLiteral("Print every quantity of the design file DESIGN as the window shows it "
                     "after opening it."),
      QStringLiteral("DESIGN"));
  const QCommandLineOption batch(
      QStringLiteral("batch"),
      QStringLiteral("Compute one design per row of the CSV file INPUT (standard input when it "
                     "is - or missing); the header names inputs by their design file keys (OEL, "
                     "TEL, GasketWidth, HoleDiameter, TCCentralDepth, TCEdgePosition, CubeSize, "
                     "TapeThickness, RamDiameter, OilPressure), values in mm and MPa, a missing "
                     "column takes the start-up value."));
  const QCommandLineOption format(
      QStringLiteral("format"),
      QStringLiteral("Output format: text (--print only, its default), csv (--batch's default) "
                     "or json."),
      QStringLiteral("text|csv|json"));
  const QCommandLineOption units(
      QStringLiteral("units"),
      QStringLiteral("Length, oil-pressure and force units, for instance \"Inches,bars,kN\" "
                     "(Millimeters or Inches; MPa, bars or psi; kN, Metric tons or US tons), "
                     "instead of the file's (--print) or the start-up ones (--batch)."),
      QStringLiteral("LENGTH,OIL,FORCE"));
  const QCommandLineOption exact(
      QStringLiteral("exact"),
      QStringLiteral("Print the stored values in internal units (mm, mm³, degrees, MPa, kN, "
                     "GPa), each as the shortest decimal that reads back as the same float, "
                     "instead of the texts."));
  for (const QCommandLineOption* option : {&print, &batch, &format, &units, &exact}) {
    parser.addOption(*option);
  }
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("A design file to open in the window; with --batch, the CSV input (- for "
                     "standard input)."),
      QStringLiteral("[FILE | --print DESIGN | --batch [INPUT.csv | -]]"));

  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("ostrel"));
    Print(stdout, text);
    return kExitSuccess;
  }
  if (parser.isSet(version)) {
    Print(stdout, VersionText());
    return kExitSuccess;
  }

  const bool printing = parser.isSet(print);
  const bool batching = parser.isSet(batch);
  if (printing && batching)
    return UsageError(QStringLiteral("--print and --batch exclude each other"));
  if (!printing && !batching) {
    return UsageError(QStringLiteral("--format, --units and --exact need --print or --batch"));
  }
  const QStringList positional = parser.positionalArguments();
  if (printing && !positional.isEmpty()) {
    return UsageError(
        QStringLiteral("--print takes one design file; unexpected %1").arg(positional.first()));
  }
  if (batching && positional.size() > 1) {
    return UsageError(QStringLiteral("--batch takes one input; unexpected %1").arg(positional[1]));
  }
  if (printing && parser.values(print).size() > 1) {
    return UsageError(QStringLiteral("--print takes one design file"));
  }

  Format chosen = printing ? Format::Text : Format::Csv;
  if (parser.isSet(format)) {
    const std::optional<Format> parsed = ParseFormat(parser.value(format).toStdString());
    if (!parsed || (batching && *parsed == Format::Text)) {
      return UsageError(QStringLiteral("--format: \"%1\" is not one of %2")
                            .arg(parser.value(format), printing ? QStringLiteral("text, csv, json")
                                                                : QStringLiteral("csv, json")));
    }
    chosen = *parsed;
  }
  std::optional<DesignUnits> selection;
  if (parser.isSet(units)) {
    const UnitSelection parsed = ParseUnitSelection(parser.value(units).toStdString());
    if (!parsed.units) return UsageError(QString::fromStdString(parsed.error));
    selection = parsed.units;
  }
  const Values values = parser.isSet(exact) ? Values::Exact : Values::Display;

  if (printing) return RunPrint(parser.value(print), selection, chosen, values);
  BatchOptions options;
  options.format = chosen;
  options.values = values;
  if (selection) options.units = *selection;
  return RunBatchInput(positional.isEmpty() ? QString() : positional.first(), options);
}

}  // namespace ostrel::cli
