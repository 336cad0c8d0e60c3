// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "design/exact_text.h"

#include <charconv>

namespace ostrel {

std::string ExactText(float v) {
  // Without a precision, to_chars writes the shortest form that reads back as the same float.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

ReadResult ReadExact(std::string_view text) {
  return ReadNumber(text, ".");
}

}  // namespace ostrel
