// One click on the real window, from the mouse press to the last of the 27 boxes rewritten,
// on the offscreen platform; the "painted" variants go on until the changed boxes have been
// painted and flushed, i.e. to the frame that shows the new numbers.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>

#include "core/fault.h"
#include "ui/controls.h"
#include "ui/main_window.h"

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

// cmdCalc reads the two inputs, recomputes section 1 and refreshes every box.
void ClickCalc(benchmark::State& state, bool painted) {
  ShownWindow w;
  auto* button = w.Control<QPushButton>("cmdCalc");
  if (!button) {
    state.SkipWithError("no cmdCalc button found");
    return;
  }
  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    if (painted) QCoreApplication::processEvents();
  }
  if (w.last_fault != Fault::None) state.SkipWithError(FaultText(w.last_fault));
}
BENCHMARK_CAPTURE(ClickCalc, boxes, false)->Name("Click/cmdCalc");
BENCHMARK_CAPTURE(ClickCalc, painted, true)->Name("Click/cmdCalc/painted");

// Alternates inches and millimetres, so that every box gets a different text on every click.
void ClickUnits(benchmark::State& state, bool painted) {
  ShownWindow w;
  QRadioButton* options[] = {w.Control<QRadioButton>("optDistanceUnits", 1),
                             w.Control<QRadioButton>("optDistanceUnits", 0)};
  if (!options[0] || !options[1]) {
    state.SkipWithError("no length option buttons found");
    return;
  }
  int next = 0;
  for (auto _ : state) {
    QTest::mouseClick(options[next], Qt::LeftButton);
    if (painted) QCoreApplication::processEvents();
    next ^= 1;
  }
  if (w.last_fault != Fault::None) state.SkipWithError(FaultText(w.last_fault));
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
