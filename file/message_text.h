// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>

// Pieces of the file messages: UTF-8 text, one line whatever the file or its name holds. Pure C++.
namespace ostrel::file {

// "OEL", in double quotes: a text from a file (valid UTF-8). A long text is cut to its first 40
// characters and an ellipsis, control characters (a line break in a label) are shown as blanks.
std::string Quoted(std::string_view text);

// A number's text as found, cut like Quoted's but without quotes.
std::string ShortText(std::string_view text);

// A file's or folder's name, which may be any bytes but '/' and NUL: quoted and cut like Quoted,
// UTF-8 characters kept, and each control character (an escape sequence for the terminal) and
// each byte that is not UTF-8 shown as \xNN.
std::string QuotedName(std::string_view name);

// A whole path for a message, not quoted or cut, escaped as QuotedName escapes a name.
std::string EscapedPath(std::string_view path);

// The last component of a path ("cell.ostrel" of "/a/cell.ostrel"), or the path when it has none.
std::string FileNameOf(std::string_view path);

}  // namespace ostrel::file
