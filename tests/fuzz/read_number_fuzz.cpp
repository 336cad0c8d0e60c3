// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The input reader against any bytes. The first byte picks the decimal separator and the check:
//  - any text: either a finite float that is exactly what the C library makes of the same
//    decimal (rounded once to the nearest float), or exactly one fault kind; every text of the
//    documented syntax is read, nothing else is;
//  - a float written as its box shows it: reads back within one unit of its 7th significant
//    digit, and the same text with the other separator or a digit-grouping mark does not read;
//  - a double written as its box shows it: the 15 significant digits that printf rounds to.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/fault.h"
#include "present/input.h"
#include "present/text_forms.h"

namespace {

using ostrel::Fault;
using ostrel::ReadNumber;

[[noreturn]] void Fail(const char* what, std::string_view text, std::string_view separator) {
  std::fprintf(stderr, "read_number_fuzz: %s\n  separator \"%.*s\", text (%zu bytes):", what,
               static_cast<int>(separator.size()), separator.data(), text.size());
  for (const unsigned char c : text) std::fprintf(stderr, " %02x", c);
  std::fprintf(stderr, "\n");
  std::abort();
}

std::uint32_t Bits(float v) {
  std::uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The documented syntax with blanks only as spaces: sign, digits with at most one separator and
// at least one digit, then optionally e or E, a sign and digits. On a match, `decimal` is the
// number with "." as its separator and no blanks.
bool Documented(std::string_view t, char separator, std::string& decimal) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  decimal.clear();
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) decimal += t[i++];
  int digits = 0;
  for (; i < t.size() && IsDigit(t[i]); ++i, ++digits) decimal += t[i];
  if (i < t.size() && t[i] == separator) {
    decimal += '.';
    for (++i; i < t.size() && IsDigit(t[i]); ++i, ++digits) decimal += t[i];
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    decimal += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) decimal += t[i++];
    int exponent_digits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i, ++exponent_digits) decimal += t[i];
    if (exponent_digits == 0) return false;
  }
  return i == t.size();
}

bool IsCBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

void CheckAnyText(std::string_view text, char separator) {
  const std::string_view sep(&separator, 1);
  const ostrel::ReadResult r = ReadNumber(text, sep);
  if (r.fault != Fault::None && r.fault != Fault::TypeMismatch && r.fault != Fault::Overflow)
    Fail("a fault kind that reading cannot raise", text, sep);
  if (r.fault == Fault::None && !std::isfinite(r.value)) Fail("a non-finite value read", text, sep);

  std::string decimal;
  const bool documented = Documented(text, separator, decimal);
  if (r.fault == Fault::None && !documented) {
    // Blanks other than spaces around the number are the reader's own choice; nothing else is.
    std::string_view inner = text;
    while (!inner.empty() && IsCBlank(inner.front())) inner.remove_prefix(1);
    while (!inner.empty() && IsCBlank(inner.back())) inner.remove_suffix(1);
    if (!Documented(inner, separator, decimal)) Fail("text outside the syntax was read", text, sep);
  }
  if (!documented && r.fault != Fault::None) return;

  const float expected = std::strtof(decimal.c_str(), nullptr);
  if (std::isinf(expected)) {
    if (r.fault != Fault::Overflow)
      Fail("a decimal beyond the float range is no overflow", text, sep);
    return;
  }
  if (r.fault != Fault::None) Fail("a number of the documented syntax was refused", text, sep);
  if (Bits(r.value) != Bits(expected)) Fail("read as a different float", text, sep);
}

// The grouping marks of the locales people paste from.
constexpr std::string_view kGroupMarks[] = {" ", "'", "\xc2\xa0", "\xe2\x80\xaf", ".", ","};

void CheckRoundTrip(float v, char separator, unsigned char choice) {
  const std::string_view sep(&separator, 1);
  const char other = separator == '.' ? ',' : '.';
  const std::string text = ostrel::SingleText(v, sep);
  const ostrel::ReadResult r = ReadNumber(text, sep);
  if (!std::isfinite(v)) {
    if (r.fault == Fault::None) Fail("the text of an infinity or NaN reads as a number", text, sep);
    return;
  }
  for (const char c : text) {
    if (!IsDigit(c) && c != separator && c != '-' && c != '+' && c != 'E')
      Fail("a written number holds a character outside its form", text, sep);
  }
  if (r.fault != Fault::None) Fail("a written number does not read back", text, sep);
  if (v == 0) {
    if (r.value != 0) Fail("zero reads back as another number", text, sep);
  } else {
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(double{v}))) - 6);
    if (std::fabs(double{r.value} - double{v}) > unit)
      Fail("a written number reads back beyond its 7th digit", text, sep);
  }

  if (const std::size_t at = text.find(separator); at != std::string::npos) {
    std::string swapped = text;
    swapped[at] = other;
    if (ReadNumber(swapped, sep).fault != Fault::TypeMismatch)
      Fail("the other decimal separator passed", swapped, sep);
  }
  // A grouping mark between two digits, at a place the input chooses.
  std::size_t pairs = 0;
  for (std::size_t i = 1; i < text.size(); ++i) pairs += IsDigit(text[i - 1]) && IsDigit(text[i]);
  if (pairs == 0) return;
  std::size_t pick = choice % pairs;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (!(IsDigit(text[i - 1]) && IsDigit(text[i]))) continue;
    if (pick-- != 0) continue;
    for (const std::string_view mark : kGroupMarks) {
      if (mark == sep) continue;
      std::string grouped = text;
      grouped.insert(i, mark);
      if (ReadNumber(grouped, sep).fault != Fault::TypeMismatch)
        Fail("a digit-grouping mark passed", grouped, sep);
    }
    break;
  }
}

// DoubleText against the C library: its digits must be the 15 significant digits that printf
// rounds to (two different 15-digit decimals never read as the same double, so comparing what
// they read as compares the digits).
void CheckDoubleText(double v, char separator) {
  const std::string_view sep(&separator, 1);
  const std::string text = ostrel::DoubleText(v, sep);
  if (!std::isfinite(v)) {
    if (ReadNumber(text, sep).fault == Fault::None)
      Fail("the text of an infinity or NaN reads as a number", text, sep);
    return;
  }
  std::string decimal = text;
  for (char& c : decimal) {
    if (c == separator) {
      c = '.';
    } else if (!IsDigit(c) && c != '-' && c != '+' && c != 'E') {
      Fail("a written number holds a character outside its form", text, sep);
    }
  }
  char expected[64];
  std::snprintf(expected, sizeof expected, "%.14e", v);
  const double read = std::strtod(decimal.c_str(), nullptr);
  const double want = std::strtod(expected, nullptr);
  if (std::memcmp(&read, &want, sizeof read) != 0 && !(read == 0 && want == 0))
    Fail("DoubleText gives other digits than 15 significant ones", text, sep);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char separator = (data[0] & 1) ? ',' : '.';
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((data[0] & 6) == 0) {
    CheckAnyText(rest, separator);
    return 0;
  }
  if ((data[0] & 4) != 0) {
    unsigned char bits[8] = {};
    std::memcpy(bits, rest.data(), rest.size() < sizeof bits ? rest.size() : sizeof bits);
    double v;
    std::memcpy(&v, bits, sizeof v);
    CheckDoubleText(v, separator);
    return 0;
  }
  unsigned char raw[5] = {0, 0, 0, 0, 0};
  std::memcpy(raw, rest.data(), rest.size() < sizeof raw ? rest.size() : sizeof raw);
  float v;
  std::memcpy(&v, raw, sizeof v);
  CheckRoundTrip(v, separator, raw[4]);
  return 0;
}
