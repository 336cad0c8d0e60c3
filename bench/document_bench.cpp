// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The design as a document on the real window (offscreen): opening a design file and showing it
// (read, checked, the open sequence with its unit selections, All_Calc and the refresh, the
// recent-files entry), and saving one (the file text, the atomic write with its sync to disk).
// Each is timed to the moment the call returns and, for opening, to the painted frame. On a
// shared machine the wall time mostly measures the wait for a processor, so the processor time
// of the timed part (the window's thread; everything runs there) is reported beside it as
// "cpu_us".
#include <time.h>

#include <chrono>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>

#include "file/design_file.h"
#include "ui/document_window.h"
#include "ui/recent_files.h"
#include "ui/window_style.h"

namespace ostrel {
namespace {

using Clock = std::chrono::steady_clock;

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Two designs in different units, so that every open selects units and rewrites every box.
constexpr const char* kDesigns[2] = {
    R"({"format": "ostrel-design", "version": 1,
  "units": {"length": "Inches", "oilPressure": "bars", "force": "kN"},
  "design": {"OEL": 18, "TEL": 11, "GasketWidth": 4.5, "HoleDiameter": 7.2,
    "TCCentralDepth": 0.6, "TCEdgePosition": 2.4, "CubeSize": 32, "TapeThickness": 0.1,
    "RamDiameter": 500, "OilPressure": 20}})",
    R"({"format": "ostrel-design", "version": 1,
  "units": {"length": "Millimeters", "oilPressure": "psi", "force": "US tons"},
  "design": {"OEL": 14, "TEL": 8, "GasketWidth": 5, "HoleDiameter": 5.6,
    "TCCentralDepth": 0.5, "TCEdgePosition": 2, "CubeSize": 25.4, "TapeThickness": 0,
    "RamDiameter": 431.8, "OilPressure": 6.897}})"};

class Bench {
 public:
  Bench() {
    for (int i = 0; i < 2; ++i) {
      paths_[i] = dir_.filePath(QStringLiteral("design%1.ostrel").arg(i));
      QFile file(paths_[i]);
      ok_ = ok_ && file.open(QIODevice::WriteOnly) && file.write(kDesigns[i]) > 0;
    }
    window_.show();
    QCoreApplication::processEvents();
  }
  bool ok() const { return ok_; }
  ui::DocumentWindow& window() { return window_; }
  const QString& path(int i) const { return paths_[i]; }
  QString scratch() const { return dir_.filePath(QStringLiteral("saved.ostrel")); }

 private:
  QTemporaryDir dir_;
  QString paths_[2];
  bool ok_ = true;
  std::vector<Fault> faults_;
  ui::DocumentWindow window_{nullptr, [this](Fault f) { faults_.push_back(f); }};
};

void OpenDesign(benchmark::State& state, bool painted) {
  Bench b;
  if (!b.ok()) return state.SkipWithError("cannot write the design files");
  int next = 0;
  double cpu = 0;
  for (auto _ : state) {
    QCoreApplication::processEvents();
    const double cpu_start = ThreadSeconds();
    const Clock::time_point start = Clock::now();
    const bool opened = b.window().OpenFile(b.path(next));
    // The window's repaint, alone: what is left for the idle loop (the recent-files list's
    // write) comes after the frame and is not counted.
    if (painted) QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const Clock::time_point end = Clock::now();
    cpu += ThreadSeconds() - cpu_start;
    if (!opened) return state.SkipWithError("the design did not open");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    next ^= 1;
  }
  state.counters["cpu_us"] = benchmark::Counter(cpu * 1e6 / state.iterations());
}
BENCHMARK_CAPTURE(OpenDesign, shown, false)->Name("Document/Open")->UseManualTime();
BENCHMARK_CAPTURE(OpenDesign, painted, true)->Name("Document/Open/painted")->UseManualTime();

// The parts of an open, apart: reading and checking the file, the open sequence on the window
// (alone, and to the painted frame), and the recent-files list's write from the idle loop.
void OpenParts(benchmark::State& state, int part) {
  Bench b;
  std::optional<Design> designs[2];
  for (int i = 0; i < 2; ++i) designs[i] = file::ReadDesignFile(b.path(i).toStdString()).design;
  if (!b.ok() || !designs[0] || !designs[1]) return state.SkipWithError("no design");
  ui::RecentFiles recent;
  int next = 0;
  double cpu = 0;
  for (auto _ : state) {
    const double cpu_start = ThreadSeconds();
    switch (part) {
      case 0:
        benchmark::DoNotOptimize(file::ReadDesignFile(b.path(next).toStdString()));
        break;
      case 1:
        b.window().Calculator().Open(*designs[next]);
        break;
      case 2:
        b.window().Calculator().Open(*designs[next]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        break;
      default:
        recent.Add(b.path(next));
        QCoreApplication::processEvents();  // the write, after the frame
        break;
    }
    cpu += ThreadSeconds() - cpu_start;
    next ^= 1;
  }
  state.counters["cpu_us"] = benchmark::Counter(cpu * 1e6 / state.iterations());
}
BENCHMARK_CAPTURE(OpenParts, read, 0)->Name("Document/Open/read")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OpenParts, sequence, 1)
    ->Name("Document/Open/sequence")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OpenParts, sequence_painted, 2)
    ->Name("Document/Open/sequence/painted")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OpenParts, recent, 3)
    ->Name("Document/Open/recent/write")
    ->Unit(benchmark::kMicrosecond);

void SaveDesign(benchmark::State& state) {
  Bench b;
  if (!b.ok() || !b.window().OpenFile(b.path(0))) return state.SkipWithError("no design");
  double cpu = 0;
  for (auto _ : state) {
    QCoreApplication::processEvents();
    const double cpu_start = ThreadSeconds();
    const bool saved = b.window().SaveTo(b.scratch());
    cpu += ThreadSeconds() - cpu_start;
    if (!saved) return state.SkipWithError("the design was not saved");
  }
  state.counters["cpu_us"] = benchmark::Counter(cpu * 1e6 / state.iterations());
}
BENCHMARK(SaveDesign)->Name("Document/Save")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The recent-files list is written on every open and save: into a folder of its own, never
  // the user's settings.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QApplication app(argc, argv);
  ostrel::ui::UseWindowStyle();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
