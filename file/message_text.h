// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Pieces of the file messages.
namespace ostrel::file {

// "OEL", in double quotes; a long text is cut to its first 40 characters and an ellipsis, so
// that a message stays one readable line whatever the file holds.
QString Quoted(const QString& text);
QString Quoted(const char* text);

// A number's text as found, cut like Quoted's but without quotes.
QString ShortText(const std::string& text);

// Characters as a reader counts them: Unicode code points, not UTF-16 units.
qsizetype CharacterCount(const QString& text);
// The same of valid UTF-8, counted in its bytes (a conversion to QString may drop a leading
// U+FEFF as a byte-order mark).
qsizetype CharacterCount(std::string_view utf8);

}  // namespace ostrel::file
