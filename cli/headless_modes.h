// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

#include "cli/output_format.h"
#include "design/design.h"

// The command line's modes without a window: --print and --batch, with --format, --units and
// --exact.
//
// Data flow: the program's parser (app/command_line.h), with these options added, parses argv
// before any application object exists -> ModeOptions::Read gives a Request -> Run reads the
// design file (file/) or the CSV input (batch_run.h), computes through HeadlessCalculator and
// writes to standard output, faults to standard error. Nothing here needs a display.
//
// Qt Core only.
namespace ostrel::cli {

// What --print or --batch asks for.
struct Request {
  enum class Mode { Print, Batch };
  Mode mode = Mode::Print;
  QString path;  // the design file; for Batch the CSV input, empty or "-" for standard input
  Format format = Format::Text;
  Values values = Values::Display;
  std::optional<DesignUnits> units;  // --units, replacing the file's or the start-up selection
};

class ModeOptions {
 public:
  // Adds --print, --batch, --format, --units and --exact to the parser.
  explicit ModeOptions(QCommandLineParser& parser);

  // The usage of the positional argument, for the parser's help.
  static QString PositionalSyntax();

  struct Outcome {
    std::optional<Request> request;  // none: the arguments ask for the window
    QString error;                   // a usage error, without the program's name
  };
  // After the parser has parsed the arguments.
  Outcome Read(const QCommandLineParser& parser) const;

 private:
  QCommandLineOption print_;
  QCommandLineOption batch_;
  QCommandLineOption format_;
  QCommandLineOption units_;
  QCommandLineOption exact_;
};

// Runs the request and returns the exit status: 0 success, 1 a design or row failed, or the
// input file (missing or unreadable) or the output.
int Run(const Request& request);

}  // namespace ostrel::cli
