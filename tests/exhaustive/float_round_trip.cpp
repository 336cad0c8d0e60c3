// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// Every finite float, written as a design file writes it and read back as the reader reads it,
// is the same float bit for bit. Runs for minutes, so it is a program of its own, not a test:
//   build/tests/exhaustive/float_round_trip
// Each text must be a JSON number (the token the reader takes out of the file) that ReadExact
// rounds back to the float; every 4096th float also goes through a whole file (ParseDesign).
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "design/exact_text.h"
#include "file/design_file.h"
#include "file/json_numbers.h"

namespace {

std::uint32_t Bits(float v) {
  std::uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

bool ThroughFile(float v, const std::string& text) {
  ostrel::Design design = ostrel::StartupDesign();
  design.inputs[0] = v;
  const std::string json = ostrel::file::DesignJson(design);
  if (json.find("\"OEL\": " + text + ",\n") == std::string::npos) return false;
  const ostrel::file::DesignRead read = ostrel::file::ParseDesign(json, "exhaustive.ostrel");
  return read.design && Bits(read.design->inputs[0]) == Bits(v);
}

}  // namespace

int main() {
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t checked = 0;
  std::uint64_t through_file = 0;
  std::uint64_t failures = 0;
  std::uint32_t bits = 0;
  do {
    float v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) {
      const std::string text = ostrel::ExactText(v);
      const ostrel::ReadResult r = ostrel::ReadExact(text);
      bool ok = ostrel::file::IsJsonNumber(text) && r.fault == ostrel::Fault::None &&
                Bits(r.value) == bits;
      if ((bits & 0xFFF) == 0) {
        ok = ok && ThroughFile(v, text);
        ++through_file;
      }
      if (!ok && ++failures <= 20)
        std::printf("FAILED: bits %08x text \"%s\"\n", static_cast<unsigned>(bits), text.c_str());
      ++checked;
    }
    if ((bits & 0x0FFFFFFF) == 0x0FFFFFFF) {
      std::printf("%u/16 of the bit patterns done\n", (bits >> 28) + 1);
      std::fflush(stdout);
    }
  } while (++bits != 0);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "%s: %llu finite floats checked (%llu also through a whole file), %llu failed, "
      "%.0f s\n",
      failures == 0 ? "PASSED" : "FAILED", static_cast<unsigned long long>(checked),
      static_cast<unsigned long long>(through_file), static_cast<unsigned long long>(failures),
      seconds);
  return failures == 0 ? 0 : 1;
}
