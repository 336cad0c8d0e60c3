// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The presentation layer without a window: the refresh into a view that discards its texts,
// the two text forms and the input reader, on the numbers the window shows and reads.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "core/calc.h"
#include "core/calc_state.h"
#include "core/fault.h"
#include "present/input.h"
#include "present/show_results.h"
#include "present/text_forms.h"
#include "present/view.h"

namespace ostrel {
namespace {

// A view with fixed unit selections whose boxes swallow what is written, so that the refresh is
// timed without any window behind it.
class DiscardingView final : public View {
 public:
  DiscardingView(int distance, int oil, int force) : selected_{distance, oil, force} {}

  std::string BoxText(Box) const override { return {}; }
  void SetBoxText(Box, const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  bool IsSelected(Group group, int index) const override {
    return selected_[static_cast<std::size_t>(group)] == index;
  }
  void SelectOption(Group group, int index) override {
    selected_[static_cast<std::size_t>(group)] = index;
  }
  std::string DecimalSeparator() const override { return "."; }

 private:
  std::array<int, 3> selected_;
};

// Arguments: the selected Index of the distance, oil-pressure and force groups.
void BM_ShowResults(benchmark::State& state) {
  CalcState s;
  StoreStartupDesign(s);
  StoreStartupPress(s);
  DiscardingView view(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                      static_cast<int>(state.range(2)));
  if (All_Calc(s) != Fault::None || ShowResults(s, view) != Fault::None) {
    state.SkipWithError("the start-up design faults");
    return;
  }
  for (auto _ : state) {
    Fault fault = ShowResults(s, view);
    benchmark::DoNotOptimize(fault);
  }
}
// The start-up selection (millimetres, psi, US tons), then inches, bars and metric tons.
BENCHMARK(BM_ShowResults)->Name("ShowResults")->Args({0, 2, 2})->Args({1, 1, 1});

void BM_SingleText(benchmark::State& state, float v) {
  for (auto _ : state) {
    std::string text = SingleText(v, ".");
    benchmark::DoNotOptimize(text.data());
  }
  state.SetLabel(SingleText(v, "."));
}
BENCHMARK_CAPTURE(BM_SingleText, integral, 14.0f)->Name("SingleText/14");
BENCHMARK_CAPTURE(BM_SingleText, fraction, 5.6f)->Name("SingleText/5.6");
BENCHMARK_CAPTURE(BM_SingleText, below_one, 0.55118f)->Name("SingleText/0.55118");
BENCHMARK_CAPTURE(BM_SingleText, negative, -2.83f)->Name("SingleText/-2.83");
BENCHMARK_CAPTURE(BM_SingleText, exponent, 12345678.0f)->Name("SingleText/12345678");
BENCHMARK_CAPTURE(BM_SingleText, zero, 0.0f)->Name("SingleText/0");

void BM_DoubleText(benchmark::State& state, double v) {
  for (auto _ : state) {
    std::string text = DoubleText(v, ".");
    benchmark::DoNotOptimize(text.data());
  }
  state.SetLabel(DoubleText(v, "."));
}
// Quotients of a rounded integer by a scale, as the scaled boxes produce them.
BENCHMARK_CAPTURE(BM_DoubleText, hundredths, 283.0 / 100)->Name("DoubleText/2.83");
BENCHMARK_CAPTURE(BM_DoubleText, integral, 57700.0 / 100)->Name("DoubleText/577");
BENCHMARK_CAPTURE(BM_DoubleText, thousandths, 79.0 / 1000)->Name("DoubleText/0.079");
BENCHMARK_CAPTURE(BM_DoubleText, large, 2147483520.0 / 100)->Name("DoubleText/21474835.2");

void BM_ReadNumber(benchmark::State& state, std::string_view text) {
  for (auto _ : state) {
    ReadResult r = ReadNumber(text, ".");
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK_CAPTURE(BM_ReadNumber, integral, "14")->Name("ReadNumber/14");
BENCHMARK_CAPTURE(BM_ReadNumber, fraction, "0.55118")->Name("ReadNumber/0.55118");
BENCHMARK_CAPTURE(BM_ReadNumber, blanks_sign, "  -5.6  ")->Name("ReadNumber/blanks_sign");
BENCHMARK_CAPTURE(BM_ReadNumber, exponent, "1.234568E+07")->Name("ReadNumber/1.234568E+07");
BENCHMARK_CAPTURE(BM_ReadNumber, long_decimal, "431.80110000000000000001")
    ->Name("ReadNumber/long_decimal");
BENCHMARK_CAPTURE(BM_ReadNumber, not_a_number, "14 mm")->Name("ReadNumber/not_a_number");
BENCHMARK_CAPTURE(BM_ReadNumber, overflow, "1e39")->Name("ReadNumber/overflow");

}  // namespace
}  // namespace ostrel
