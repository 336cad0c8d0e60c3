// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/message_text.h"

namespace ostrel::file {
namespace {

constexpr qsizetype kShownCharacters = 40;

// At most kShownCharacters, control characters (a line break in a label) shown as blanks.
QString Cut(const QString& text) {
  QString shown = text;
  if (shown.size() > kShownCharacters) {
    qsizetype end = kShownCharacters;
    if (shown.at(end - 1).isHighSurrogate()) --end;  // never split a character
    shown = shown.left(end) + QChar(0x2026);
  }
  for (QChar& c : shown) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
  }
  return shown;
}

}  // namespace

QString Quoted(const QString& text) {
  return QLatin1Char('"') + Cut(text) + QLatin1Char('"');
}

QString Quoted(const char* text) {
  return Quoted(QString::fromUtf8(text));
}

QString ShortText(const std::string& text) {
  return Cut(QString::fromStdString(text));
}

qsizetype CharacterCount(const QString& text) {
  qsizetype n = 0;
  for (const QChar c : text) n += c.isLowSurrogate() ? 0 : 1;
  return n;
}

qsizetype CharacterCount(std::string_view utf8) {
  qsizetype n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace ostrel::file
