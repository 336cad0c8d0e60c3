// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/message_text.h"

#include "file/utf8_text.h"

namespace ostrel::file {
namespace {

constexpr std::size_t kShownCharacters = 40;
constexpr char kEllipsis[] = "\u2026";
constexpr char kHex[] = "0123456789abcdef";

bool IsControl(std::string_view character) {
  const auto b0 = static_cast<unsigned char>(character[0]);
  if (b0 < 0x20 || b0 == 0x7F) return true;
  // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F.
  return character.size() == 2 && b0 == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

void AppendHex(std::string& out, std::string_view bytes) {
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[u >> 4];
    out += kHex[u & 15];
  }
}

// At most kShownCharacters characters of text; a control character as a blank or escaped, a byte
// that is not UTF-8 escaped.
std::string Cut(std::string_view text, bool escape_controls, std::size_t limit = kShownCharacters) {
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    if (characters == limit) {
      shown += kEllipsis;
      break;
    }
    const std::size_t n = Utf8SequenceAt(text, i);
    if (n == 0) {
      AppendHex(shown, text.substr(i, 1));
      ++i;
      continue;
    }
    const std::string_view character = text.substr(i, n);
    if (!IsControl(character)) {
      shown += character;
    } else if (escape_controls) {
      AppendHex(shown, character);
    } else {
      shown += ' ';
    }
    i += n;
  }
  return shown;
}

}  // namespace

std::string Quoted(std::string_view text) {
  return '"' + Cut(text, false) + '"';
}

std::string ShortText(std::string_view text) {
  return Cut(text, false);
}

std::string QuotedName(std::string_view name) {
  return '"' + Cut(name, true) + '"';
}

std::string EscapedPath(std::string_view path) {
  return Cut(path, true, path.size());
}

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return std::string(name.empty() ? path : name);
}

}  // namespace ostrel::file
