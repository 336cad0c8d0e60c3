// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>
#include <vector>

// Texts that people paste or type into a number box, hostile ones first: blanks, control
// characters, other locales' separators and digits, words the C library would read as numbers,
// magnitudes beyond a float, and a few ordinary values so that sessions also get somewhere.
namespace ostrel::test_support {

inline std::vector<std::string> HostileTexts() {
  return {
      "",
      " ",
      "   ",
      "\t",
      " \t 1 \t ",
      std::string(300, '9'),
      std::string(5000, '1'),
      "0." + std::string(400, '0') + "1",
      "1e" + std::string(40, '9'),
      std::string("1\0", 2),
      "\x01",
      "1\n",
      "\x7f",
      "\x1b[2J",
      "\xd9\xa1\xd9\xa2",  // Arabic-Indic digits one, two
      "\xef\xbc\x95",      // fullwidth five
      "\xc2\xb2",          // superscript two
      "1\xc2\xa0"
      "000",  // no-break space as a digit group
      "\xe2\x88\x92"
      "1",  // minus sign, not a hyphen
      "\xff\xfe",
      "1e39",
      "-1e39",
      "3.4028236e38",
      "3.4028235e38",
      "1e-50",
      "1e-40",
      "-0",
      "NaN",
      "nan",
      "inf",
      "-Infinity",
      "1,5",
      "1.5",
      "1.000,5",
      "1,000.5",
      "1 000",
      "1'000",
      "+.5",
      "5.",
      ".",
      ",",
      "-",
      "+-1",
      "e5",
      "1e",
      "1e+",
      "0x10",
      "1d5",
      "&H10",
      "1.5e+3",
      "0",
      "14",
      "8",
      "0.5",
      "0,5",
      "2",
      "25.4",
      "431.8",
      "6.897",
      "-14",
      "1e30",
      "1E+07",
      "100000",
  };
}

}  // namespace ostrel::test_support
