// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/json_numbers.h"

#include <algorithm>

namespace ostrel::file {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The characters a number token may run over: anything else ends it. A run that is no JSON
// number ("1.", "01", "1e", "--1") is refused as a whole rather than split as Qt would.
bool IsNumberChar(char c) {
  return IsDigit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

std::size_t SkipDigits(std::string_view t, std::size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

}  // namespace

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

JsonNumbers ExtractNumbers(const QByteArray& text) {
  JsonNumbers out;
  const std::string_view t(text.constData(), static_cast<std::size_t>(text.size()));
  out.json.reserve(text.size() + text.size() / 2);
  std::size_t copied = 0;  // t[copied, i) still to be copied unchanged
  std::size_t i = 0;
  while (i < t.size()) {
    const char c = t[i];
    if (c == '"') {
      // Skip the string, escapes included; an unterminated one runs to the end, for Qt to report.
      for (++i; i < t.size() && t[i] != '"'; ++i) {
        if (t[i] == '\\') ++i;
      }
      i = std::min(i + 1, t.size());
      continue;
    }
    if (c != '-' && !IsDigit(c)) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < t.size() && IsNumberChar(t[end])) ++end;
    const std::string_view token = t.substr(i, end - i);
    out.json.append(text.constData() + copied, static_cast<qsizetype>(i - copied));
    if (!IsJsonNumber(token)) {
      // The text stops here with a character no JSON value starts with, so that Qt reports
      // either an earlier error or one here.
      out.ok = false;
      out.bad_offset = i;
      out.json.append('@');
      return out;
    }
    const QByteArray index = QByteArray::number(static_cast<qulonglong>(out.texts.size()));
    out.shifts.push_back({static_cast<std::size_t>(out.json.size()), i,
                          static_cast<std::size_t>(index.size()), token.size()});
    out.json.append(index);
    out.texts.emplace_back(token);
    copied = i = end;
  }
  out.json.append(text.constData() + copied, static_cast<qsizetype>(t.size() - copied));
  return out;
}

std::size_t JsonNumbers::OriginalOffset(std::size_t offset) const {
  // The last replaced number that starts at or before the offset.
  const auto after =
      std::upper_bound(shifts.begin(), shifts.end(), offset,
                       [](std::size_t o, const Shift& s) { return o < s.json_start; });
  if (after == shifts.begin()) return offset;
  const Shift& s = *(after - 1);
  const std::size_t into = offset - s.json_start;
  if (into < s.json_length) return s.original_start + std::min(into, s.original_length);
  return s.original_start + s.original_length + (into - s.json_length);
}

TextPosition PositionOf(const QByteArray& text, std::size_t offset) {
  TextPosition p;
  const std::size_t end = std::min(offset, static_cast<std::size_t>(text.size()));
  for (std::size_t i = 0; i < end; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[static_cast<qsizetype>(i)]);
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
