// One click on the real window, from the mouse press to the last of the 27 boxes rewritten,
// on the offscreen platform; the "painted" variants go on until the changed boxes have been
// painted and flushed, i.e. to the frame that shows the new numbers.
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

// The window as the program shows it, with faults recorded instead of put up in a modal box.
struct ShownWindow {
  Fault last_fault = Fault::None;
  ui::MainWindow window{[this](Fault f) { last_fault = f; }};

  ShownWindow() {
    window.show();
    QCoreApplication::processEvents();
  }
  template <typename T>
  T* Control(const char* name, int index = ui::kNotInArray) {
    return window.findChild<T*>(QString::fromStdString(ui::ObjectName(name, index)));
  }
};

// One click per iteration on the button that `prepare` returns, untimed. A real click comes
// after the window has painted its last change, so the events that a click leaves behind (the
// repaint of the boxes it changed) are processed before the next one: timed in the painted
// variant, untimed otherwise. Left pending, they would be painted inside the next click by the
// synchronous repaint with which a button answers its release.
template <typename Prepare>
void TimeClicks(benchmark::State& state, const ShownWindow& w, bool painted, Prepare prepare) {
  for (auto _ : state) {
    state.PauseTiming();
    QAbstractButton* button = prepare();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    QTest::mouseClick(button, Qt::LeftButton);
    if (painted) {
      QCoreApplication::processEvents();
    } else {
      state.PauseTiming();
      QCoreApplication::processEvents();
      state.ResumeTiming();
    }
  }
  if (w.last_fault != Fault::None) state.SkipWithError(FaultText(w.last_fault));
}

// cmdCalc with a new octahedron edge length each time, typed before the click: reads both
// inputs, recomputes section 1 and rewrites all 27 boxes, the dependent ones with new numbers.
void ClickCalc(benchmark::State& state, bool painted) {
  ShownWindow w;
  auto* oel = w.Control<QLineEdit>("txtOEL");
  auto* calc = w.Control<QPushButton>("cmdCalc");
  if (!oel || !calc) {
    state.SkipWithError("txtOEL or cmdCalc not found");
    return;
  }
  const QString lengths[] = {QStringLiteral("12"), QStringLiteral("14")};
  int next = 0;
  TimeClicks(state, w, painted, [&]() -> QAbstractButton* {
    oel->setText(lengths[next]);
    next ^= 1;
    return calc;
  });
}
BENCHMARK_CAPTURE(ClickCalc, boxes, false)->Name("Click/cmdCalc");
BENCHMARK_CAPTURE(ClickCalc, painted, true)->Name("Click/cmdCalc/painted");

// Alternates inches and millimetres, clicking the option that is not selected: every length
// and volume box gets a new text.
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
BENCHMARK_CAPTURE(ClickUnits, boxes, false)->Name("Click/optDistanceUnits");
BENCHMARK_CAPTURE(ClickUnits, painted, true)->Name("Click/optDistanceUnits/painted");

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
