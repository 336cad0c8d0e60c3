// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
// The drawing and the sheet, on the offscreen platform:
//  - Drawing/redraw: the tool window at its default size repainting after a refresh (a unit
//    change alternating millimetres and inches, untimed), to its backing store;
//  - Sheet/pdf: the start-up design's sheet written as a PDF file, from the calculator's texts
//    to the renamed file.
#include <chrono>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>

#include "painting/sheet_pdf.h"
#include "ui/cell_drawing_window.h"
#include "ui/main_window.h"
#include "ui/sheet_output.h"
#include "ui/window_style.h"

namespace ostrel {
namespace {

using Clock = std::chrono::steady_clock;

void Redraw(benchmark::State& state) {
  ui::MainWindow calculator([](Fault) {});
  calculator.show();
  ui::CellDrawingWindow* drawing = ui::ShowCellDrawing(calculator, &calculator);
  drawing->resize(drawing->sizeHint());
  QCoreApplication::processEvents();
  int unit = 0;
  for (auto _ : state) {
    unit = 1 - unit;
    calculator.SelectOption(Group::optDistanceUnits, unit);
    const auto start = Clock::now();
    drawing->repaint();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    QCoreApplication::processEvents();
  }
}
BENCHMARK(Redraw)->Name("Drawing/redraw")->UseManualTime()->Unit(benchmark::kMillisecond);

void ExportPdf(benchmark::State& state) {
  ui::MainWindow calculator([](Fault) {});
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  for (auto _ : state) {
    const QString error = painting::WriteSheetPdf(path, ui::SheetOf(calculator, QString()));
    if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
  }
}
BENCHMARK(ExportPdf)->Name("Sheet/pdf")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  ostrel::ui::UseWindowStyle();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
