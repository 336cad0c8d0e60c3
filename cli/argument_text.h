// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Command-line arguments as text for the parser and back to the exact bytes for the system, so
// that a file named in any bytes (not only UTF-8) can be opened and written.
//
// A byte that is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte, which no
// valid UTF-8 decodes to, and turns back into that byte. Qt Core only.
namespace ostrel::cli {

QString ArgumentText(std::string_view raw);
std::string ArgumentBytes(const QString& text);

}  // namespace ostrel::cli
