// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QByteArray>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel::file {

// QJsonDocument checks the syntax and gives the structure, but it reads a number only as a
// double (rounding it to a float afterwards would round twice) and refuses a number whose double
// overflows or underflows. So every number token is taken out of the text first, checked against
// JSON's number grammar, kept as its own text, and replaced by its index: QJsonDocument then sees
// small integers it reads exactly, and a value's index leads back to the number's own text.
struct JsonNumbers {
  QByteArray json;                 // the text with each number replaced by its index
  std::vector<std::string> texts;  // each number's own text, by index
  // False when a token is no JSON number: `json` then ends just after the text before it, with a
  // character that no JSON value starts with.
  bool ok = true;
  std::size_t bad_offset = 0;  // where that token starts

  // Where an offset of `json` lies in the original text.
  std::size_t OriginalOffset(std::size_t offset) const;

  struct Shift {
    std::size_t json_start;      // where the index starts in `json`
    std::size_t original_start;  // where the number starts in the original text
    std::size_t json_length;
    std::size_t original_length;
  };
  std::vector<Shift> shifts;
};

JsonNumbers ExtractNumbers(const QByteArray& text);

// JSON's number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text);

// 1-based line and column (in characters, counting a UTF-8 sequence as one) of a byte offset.
struct TextPosition {
  int line = 1;
  int column = 1;
};
TextPosition PositionOf(const QByteArray& text, std::size_t offset);

}  // namespace ostrel::file
