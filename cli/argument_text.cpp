// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/argument_text.h"

#include "file/utf8_text.h"

namespace ostrel::cli {

QString ArgumentText(std::string_view raw) {
  QString text;
  for (std::size_t i = 0; i < raw.size();) {
    const std::size_t n = file::Utf8SequenceAt(raw, i);
    if (n == 0) {
      text += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(raw[i])));
      ++i;
    } else {
      text += QString::fromUtf8(raw.data() + i, static_cast<qsizetype>(n));
      i += n;
    }
  }
  return text;
}

std::string ArgumentBytes(const QString& text) {
  std::string bytes;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text.at(i).unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      file::AppendUtf8(bytes, QChar::surrogateToUcs4(u, text.at(i + 1).unicode()));
      ++i;
    } else if (u >= 0xDC80 && u <= 0xDCFF) {
      bytes += static_cast<char>(u - 0xDC00);
    } else if (!QChar::isSurrogate(u)) {
      file::AppendUtf8(bytes, u);
    }
  }
  return bytes;
}

}  // namespace ostrel::cli
