// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>
#include <QStringList>

#include "cli/headless_modes.h"

// The program's command line, read before any window or display exists, so that whatever only
// prints works without a display.
//
// Data flow: argv -> ParseCommandLine -> main: print and exit (help, version, a usage error), run
// --print or --batch (cli/headless_modes.h) and exit, or start the window and open the named
// design as File > Open would.
namespace ostrel::app {

struct CommandLine {
  enum class Mode {
    Window,    // start the window; then open `file` unless it is empty
    Help,      // print `text` on standard output, exit 0
    Version,   // print `text` on standard output, exit 0
    Error,     // print `text` on standard error, exit 2
    Headless,  // run `request` without a window, exit with its status
    Sheet,     // write the design sheet of `file` to `output` as a PDF, without a window
  };
  Mode mode = Mode::Window;
  QString file;
  QString output;
  QString text;
  cli::Request request;
};

// arguments: the whole command line, program name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// "Ostrel <version>" and the licence, as --version prints it.
QString VersionText();

}  // namespace ostrel::app
