// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/text_escape.h"

namespace ostrel::cli {

namespace {
constexpr char kHex[] = "0123456789abcdef";
}  // namespace

void AppendCsvField(std::string& out, std::string_view text) {
  // A field that starts with a byte-order mark is quoted too: as a file's first field, bare, a
  // reader would take the mark for the file's and drop it.
  const bool starts_with_mark = text.substr(0, 3) == "\xEF\xBB\xBF";
  if (!starts_with_mark && text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(text);
    return;
  }
  out.push_back('"');
  for (const char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

void AppendJsonString(std::string& out, std::string_view text) {
  out.push_back('"');
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (u < 0x20) {
      out.append("\\u00");
      out.push_back(kHex[u >> 4]);
      out.push_back(kHex[u & 15]);
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
}

std::string Quoted(std::string_view input) {
  constexpr std::size_t kShown = 40;
  std::string text = "\"";
  for (std::size_t i = 0; i < input.size() && i < kShown; ++i) {
    const auto u = static_cast<unsigned char>(input[i]);
    if (u >= 0x20 && u < 0x7f) {
      text.push_back(input[i]);
    } else {
      text.append("\\x");
      text.push_back(kHex[u >> 4]);
      text.push_back(kHex[u & 15]);
    }
  }
  text.push_back('"');
  if (input.size() > kShown) text.append("...");
  return text;
}

}  // namespace ostrel::cli
