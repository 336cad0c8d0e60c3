// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The full recalculation that the load handler runs, on the start-up design.
#include <benchmark/benchmark.h>

#include "core/calc.h"
#include "core/calc_state.h"
#include "core/fault.h"

namespace ostrel {
namespace {

void BM_All_Calc(benchmark::State& state) {
  CalcState s;
  StoreStartupDesign(s);
  StoreStartupPress(s);
  if (All_Calc(s) != Fault::None) {
    state.SkipWithError("All_Calc faults on the start-up design");
    return;
  }
  for (auto _ : state) {
    Fault fault = All_Calc(s);
    benchmark::DoNotOptimize(fault);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_All_Calc)->Name("All_Calc");

}  // namespace
}  // namespace ostrel
