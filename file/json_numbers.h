// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstddef>
#include <string_view>

// The number tokens of the design file's JSON. A number is kept as its own text and read from it
// straight to a float (ReadExact), never through a double: rounding a double to a float would
// round twice. Pure C++.
namespace ostrel::file {

// The characters a number token runs over: a value that starts with one of them is a number,
// and the token is the whole run, so that "1.", "01", ".5", "+1" or "1e" is refused as a whole
// rather than split into a number and something else.
bool IsNumberChar(char c);

// The end of the number token that starts at text[at]: the run of IsNumberChar characters.
std::size_t NumberTokenEnd(std::string_view text, std::size_t at);

// JSON's number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text);

// 1-based line and column (in characters, counting a UTF-8 sequence as one) of a byte offset.
struct TextPosition {
  int line = 1;
  int column = 1;
};
TextPosition PositionOf(std::string_view text, std::size_t offset);

}  // namespace ostrel::file
