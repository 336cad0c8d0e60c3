// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// A design's numbers on a copy (design/design_numbers.h): what the window adds to every click
// to mark the boxes that differ, and what every output and the command line compute.
#include <benchmark/benchmark.h>

#include "design/design_numbers.h"

namespace ostrel {
namespace {

void DesignNumbersOf(benchmark::State& state, DesignUnits units, int input, float value) {
  const DesignCalculator calculator(".");
  Design design = StartupDesign();
  design.units = units;
  if (input >= 0) design.inputs[input] = value;
  DesignNumbers numbers;
  for (auto _ : state) {
    calculator.Compute(design, numbers);
    benchmark::DoNotOptimize(numbers.texts.data());
  }
}

// The start-up units select nothing; inches, bars and kN run three unit handlers first; TEL 0
// faults in the refresh's last step.
BENCHMARK_CAPTURE(DesignNumbersOf, startup_units, DesignUnits{}, -1, 0.0f);
BENCHMARK_CAPTURE(DesignNumbersOf, inches_bars_kN, DesignUnits{1, 1, 0}, -1, 0.0f);
BENCHMARK_CAPTURE(DesignNumbersOf, tel_zero_faults, DesignUnits{}, 1, 0.0f);

}  // namespace
}  // namespace ostrel
