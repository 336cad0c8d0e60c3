// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <optional>

// The command line's modes that need no window: --print, --batch, --help and --version.
//
// Data flow: argv -> RunCommandLine: when the arguments ask for one of these modes it parses them
// (QCommandLineParser), reads the design file (file/) or the CSV input (batch_run.h), computes
// through HeadlessCalculator and writes to standard output, the faults to standard error;
// otherwise it hands the arguments back to main, which starts the window.
//
// Qt Core only, and no application object: called before any exists, it works with no display.
namespace ostrel::cli {

// The exit status when the arguments ask for a mode without a window, std::nullopt when they
// ask for the window (no arguments, a design file to open, or the toolkit's own options).
std::optional<int> RunCommandLine(int argc, char** argv);

}  // namespace ostrel::cli
