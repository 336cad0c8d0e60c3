// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace ostrel::app {

QString VersionText() {
  return QStringLiteral(
             "Ostrel %1\n"
             "Licence GPL-3.0-or-later: GNU General Public License, version 3 or later.\n"
             "This is free software: you are free to change and redistribute it.\n"
             "There is NO WARRANTY, to the extent permitted by law.\n")
      .arg(QStringLiteral(OSTREL_VERSION));
}

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Cell design calculator for multi-anvil high-pressure experiments.\n"
      "Opens the window, or with --print or --batch writes the numbers without one (and without\n"
      "a display), with \".\" as the decimal separator whatever the locale, or with --sheet\n"
      "writes a design's sheet as a PDF.\n"
      "Exit status: 0 success, 1 a design, row or sheet that failed, 2 a usage error."));
  // Own help and version options: Qt's add --help-all for options that are not read here, and
  // its version text would not name the licence.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and licence and exit."));
  const QCommandLineOption sheet(
      QStringLiteral("sheet"),
      QStringLiteral("Write the design sheet of FILE as a PDF to the file named after it, "
                     "without a window or display: ostrel --sheet DESIGN.ostrel OUT.pdf (OUT - "
                     "for standard output)"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(sheet);
  const cli::ModeOptions modes(parser);
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("A design (.ostrel) to open after start-up; with --batch, the CSV input."),
      cli::ModeOptions::PositionalSyntax());

  CommandLine result;
  const auto error = [&result](const QString& message) {
    result.mode = CommandLine::Mode::Error;
    result.text =
        QStringLiteral("ostrel: %1\nTry 'ostrel --help' for more information.\n").arg(message);
    return result;
  };
  if (!parser.parse(arguments)) return error(parser.errorText());
  if (parser.isSet(help)) {
    result.mode = CommandLine::Mode::Help;
    // Without an application object the parser cannot know the program's name.
    result.text =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("ostrel"));
    return result;
  }
  if (parser.isSet(version)) {
    result.mode = CommandLine::Mode::Version;
    result.text = VersionText();
    return result;
  }
  const cli::ModeOptions::Outcome headless = modes.Read(parser);
  if (!headless.error.isEmpty()) return error(headless.error);
  if (headless.request) {
    result.mode = CommandLine::Mode::Headless;
    result.request = *headless.request;
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (parser.isSet(sheet)) {
    if (files.size() != 2 || files[0].isEmpty() || files[1].isEmpty()) {
      return error(
          QStringLiteral("--sheet needs a design file and the PDF file to write: ostrel --sheet "
                         "DESIGN.ostrel OUT.pdf"));
    }
    result.mode = CommandLine::Mode::Sheet;
    result.file = files[0];
    result.output = files[1];
    return result;
  }
  if (files.size() > 1) return error(QStringLiteral("only one design can be opened at a time."));
  if (!files.isEmpty()) {
    if (files.front().isEmpty()) return error(QStringLiteral("the design's file name is empty."));
    result.file = files.front();
  }
  return result;
}

}  // namespace ostrel::app
