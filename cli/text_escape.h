// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>

// How a text goes into each output format, appended to a buffer to keep the row loop free of
// allocations.
namespace ostrel::cli {

// A CSV field (RFC 4180): quoted, with quotes doubled, only where it holds a comma, a quote or a
// line end.
void AppendCsvField(std::string& out, std::string_view text);

// A JSON string with its quotes; control characters escaped. The text must be UTF-8.
void AppendJsonString(std::string& out, std::string_view text);

// Input quoted for a message: at most 40 bytes, printable ASCII kept, any other byte as \xNN, so
// that a message is always one line of valid UTF-8 whatever the input held.
std::string Quoted(std::string_view input);

}  // namespace ostrel::cli
