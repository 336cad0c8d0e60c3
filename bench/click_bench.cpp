// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// One click on the real window on the offscreen platform, timed two ways:
//  - to all boxes updated: from the mouse press to the last box whose text the click changed
//    (its textChanged signal), the refresh written in full;
//  - painted: from the mouse press until the window has painted and flushed every change, i.e.
//    to the frame that shows the new numbers. A button repaints itself synchronously when it is
//    released, after its handler, and that repaint already paints the changed boxes.
#include <chrono>

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>

#include "core/fault.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

namespace ostrel {
namespace {

using Clock = std::chrono::steady_clock;

// The window as the program shows it, with faults recorded instead of put up in a modal box,
// and the time at which a box last got a new text.
class ShownWindow {
 public:
  ShownWindow() {
    for (QLineEdit* box : window_.findChildren<QLineEdit*>()) {
      QObject::connect(box, &QLineEdit::textChanged, box, [this] { last_change_ = Clock::now(); });
    }
    window_.show();
    QCoreApplication::processEvents();
  }

  template <typename T>
  T* Control(const char* name, int index = ui::kNotInArray) {
    return window_.findChild<T*>(QString::fromStdString(ui::ObjectName(name, index)));
  }
  Fault last_fault() const { return last_fault_; }
  Clock::time_point last_change() const { return last_change_; }

 private:
  Fault last_fault_ = Fault::None;
  Clock::time_point last_change_{};
  ui::MainWindow window_{[this](Fault f) { last_fault_ = f; }};
};

// One click per iteration on the button that `prepare` returns; `prepare` and the events left
// over from the previous click run untimed, since a real click comes after the window has
// painted its last change.
template <typename Prepare>
void TimeClicks(benchmark::State& state, ShownWindow& w, bool painted, Prepare prepare) {
  for (auto _ : state) {
    QAbstractButton* button = prepare();
    QCoreApplication::processEvents();
    const Clock::time_point start = Clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    Clock::time_point end = w.last_change();
    if (painted) {
      QCoreApplication::processEvents();
      end = Clock::now();
    }
    if (end < start) {
      state.SkipWithError("the click changed no box");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  if (w.last_fault() != Fault::None) state.SkipWithError(FaultText(w.last_fault()));
}

// cmdCalc with new octahedron and truncation edge lengths each time, typed before the click: it
// reads both, recomputes section 1 and rewrites all 27 boxes, the last one (the theoretical
// pressure, which follows TEL) with a new number.
void ClickCalc(benchmark::State& state, bool painted) {
  ShownWindow w;
  auto* oel = w.Control<QLineEdit>("txtOEL");
  auto* tel = w.Control<QLineEdit>("txtTEL");
  auto* calc = w.Control<QPushButton>("cmdCalc");
  if (!oel || !tel || !calc) {
    state.SkipWithError("txtOEL, txtTEL or cmdCalc not found");
    return;
  }
  const char* designs[][2] = {{"12", "6"}, {"14", "8"}};
  int next = 0;
  TimeClicks(state, w, painted, [&]() -> QAbstractButton* {
    oel->setText(QString::fromLatin1(designs[next][0]));
    tel->setText(QString::fromLatin1(designs[next][1]));
    next ^= 1;
    return calc;
  });
}
BENCHMARK_CAPTURE(ClickCalc, boxes, false)->Name("Click/cmdCalc")->UseManualTime();
BENCHMARK_CAPTURE(ClickCalc, painted, true)->Name("Click/cmdCalc/painted")->UseManualTime();

// Alternates inches and millimetres, clicking the option that is not selected: every length
// and volume box gets a new text, the last of them txtRamDiameter.
void ClickUnits(benchmark::State& state, bool painted) {
  ShownWindow w;
  QRadioButton* options[] = {w.Control<QRadioButton>("optDistanceUnits", 1),
                             w.Control<QRadioButton>("optDistanceUnits", 0)};
  if (!options[0] || !options[1]) {
    state.SkipWithError("optDistanceUnits not found");
    return;
  }
  int next = 0;
  TimeClicks(state, w, painted, [&]() -> QAbstractButton* {
    QRadioButton* option = options[next];
    next ^= 1;
    return option;
  });
}
BENCHMARK_CAPTURE(ClickUnits, boxes, false)->Name("Click/optDistanceUnits")->UseManualTime();
BENCHMARK_CAPTURE(ClickUnits, painted, true)
    ->Name("Click/optDistanceUnits/painted")
    ->UseManualTime();

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ostrel::ui::UseWindowStyle();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
