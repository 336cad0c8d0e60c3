// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 as the design file holds it: what is valid, how many characters, how a code point is
// written. Pure C++.
namespace ostrel::file {

// The length of the valid UTF-8 sequence at text[at] (1 to 4), or 0 when the bytes there are no
// Unicode character: a stray continuation byte, a truncated or overlong sequence, a surrogate or
// a code point beyond U+10FFFF.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t at);

bool IsUtf8(std::string_view text);

// Characters as a reader counts them: Unicode code points, counted in the bytes of valid UTF-8
// (every byte but a continuation byte starts one).
std::size_t CharacterCount(std::string_view utf8);

// Appends a code point (below U+110000, no surrogate) as UTF-8.
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace ostrel::file
