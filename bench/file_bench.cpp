// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The design file: the start-up design parsed from its text and written as text, the same with
// the largest calibration a file may hold, and a save and an open through the file system.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "file/design_file.h"

namespace ostrel::file {
namespace {

// A folder of its own for the files, removed afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "file_bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TemporaryFolder() {
    if (!path_.empty()) std::filesystem::remove_all(path_);
  }
  std::string File(const char* name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

Design WithCalibration(int points) {
  Design d = StartupDesign();
  for (int i = 0; i < points; ++i)
    d.calibration.push_back({500.0f + static_cast<float>(i) * 2.5f, 5.0f + 0.0137f * i,
                             "Phase transition " + std::to_string(i)});
  return d;
}

void BM_ParseDesign(benchmark::State& state) {
  const std::string json = DesignJson(WithCalibration(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    DesignRead r = ParseDesign(json, "cell.ostrel");
    benchmark::DoNotOptimize(r.design);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(json.size()));
}
BENCHMARK(BM_ParseDesign)->Arg(0)->Arg(kMaxCalibrationPoints);

void BM_DesignJson(benchmark::State& state) {
  const Design design = WithCalibration(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string json = DesignJson(design);
    benchmark::DoNotOptimize(json.data());
  }
}
BENCHMARK(BM_DesignJson)->Arg(0)->Arg(kMaxCalibrationPoints);

void BM_WriteDesignFile(benchmark::State& state) {
  TemporaryFolder dir;
  const std::string path = dir.File("cell.ostrel");
  const Design design = StartupDesign();
  for (auto _ : state) {
    std::string error;
    if (!WriteDesignFile(path, design, &error)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_WriteDesignFile)->Unit(benchmark::kMicrosecond);

void BM_ReadDesignFile(benchmark::State& state) {
  TemporaryFolder dir;
  const std::string path = dir.File("cell.ostrel");
  std::string error;
  if (!WriteDesignFile(path, StartupDesign(), &error)) state.SkipWithError("save failed");
  for (auto _ : state) {
    DesignRead r = ReadDesignFile(path);
    benchmark::DoNotOptimize(r.design);
  }
}
BENCHMARK(BM_ReadDesignFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrel::file
