// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/json_numbers.h"

#include <algorithm>

namespace ostrel::file {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view t, std::size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

}  // namespace

bool IsNumberChar(char c) {
  return IsDigit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

std::size_t NumberTokenEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && IsNumberChar(text[at])) ++at;
  return at;
}

bool IsJsonNumber(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  if (i >= t.size() || !IsDigit(t[i])) return false;
  i = t[i] == '0' ? i + 1 : SkipDigits(t, i);
  if (i < t.size() && t[i] == '.') {
    const std::size_t start = ++i;
    i = SkipDigits(t, i);
    if (i == start) return false;
  }
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t start = i;
    i = SkipDigits(t, i);
    if (i == start) return false;
  }
  return i == t.size();
}

TextPosition PositionOf(std::string_view text, std::size_t offset) {
  TextPosition p;
  const std::size_t end = std::min(offset, text.size());
  for (std::size_t i = 0; i < end; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++p.line;
      p.column = 1;
    } else if ((c & 0xC0) != 0x80) {  // not a UTF-8 continuation byte
      ++p.column;
    }
  }
  return p;
}

}  // namespace ostrel::file
