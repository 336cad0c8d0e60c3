// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A JSON reader (RFC 8259) for the design file: it gives the document's structure with each
// number as its own text (json_numbers.h), and where the text is not JSON, what and where.
//
// As lenient as the design file has always been inside strings (a backslash before a character
// JSON does not escape gives that character; a control character may stand unescaped), and
// strict everywhere else: a number outside JSON's grammar ("01", ".5", "+1", NaN, Infinity) is
// a malformed number, and a string is valid Unicode once unescaped (UTF-8, no lone surrogate
// escape). Pure C++.
namespace ostrel::file {

struct JsonValue {
  enum class Kind { Null, False, True, Number, String, Array, Object };
  Kind kind = Kind::Null;
  std::string text;              // a string's UTF-8 text, or a number's own text as written
  std::size_t offset = 0;        // where the value starts in the parsed text
  std::string key;               // a member's name, for the items of an object
  std::vector<JsonValue> items;  // an array's items, or an object's members in the text's order

  // An object's member of that name; of two with the same name, the last. Null when none.
  const JsonValue* Member(std::string_view name) const;
};

struct JsonParse {
  std::optional<JsonValue> value;
  std::string error;       // what is wrong, for instance "missing value separator"
  std::size_t offset = 0;  // where, in bytes
};

// Deeper nesting than this is refused ("too deeply nested document").
inline constexpr int kMaxJsonDepth = 1024;

JsonParse ParseJson(std::string_view text);

}  // namespace ostrel::file
