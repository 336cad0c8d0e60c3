// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// A long seeded session on the real window: thousands of random user actions through the widgets
// (typing with the keyboard or pasting into any box, clicks on every Calc button, preset and unit
// option), hostile texts included. The same actions run a second time through the handlers and a
// fake window alone, and after every action both must agree on all 27 box texts, every field of
// the calculation state bit for bit, and the faults reported: at most one per action, none lost,
// none doubled.

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "core/calc.h"
#include "core/calc_state.h"
#include "core/fault.h"
#include "present/handlers.h"
#include "present/view.h"
#include "tests/support/fake_view.h"
#include "tests/support/hostile_texts.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

using ostrel::Box;
using ostrel::CalcState;
using ostrel::Fault;
using ostrel::Group;
using ostrel::Handlers;
using ostrel::kBoxCount;
using ostrel::test_support::FakeView;
using ostrel::ui::MainWindow;

Q_DECLARE_METATYPE(QLocale)

namespace {

// The box names, in Box order, as the window names its widgets.
constexpr const char* kBoxNames[kBoxCount] = {
    "txtOEL",
    "txtTEL",
    "txtGasketWidth",
    "txtHoleDiameter",
    "txtTCCentralDepth",
    "txtTCEdgePosition",
    "txtCubeSize",
    "txtTapeThickness",
    "txtGasketThickness",
    "txtInnerShortEdge",
    "txtInnerLongEdge",
    "txtOctahedronVolume",
    "txtHoleLength",
    "txtOctahedronWaist",
    "txtOuterShortEdge",
    "txtOuterLongEdge",
    "txtGasketVolume",
    "txtHoleVolume",
    "txtSpreadAngle",
    "txtRakeAngle",
    "txtPaperHole",
    "txtPaperWidth",
    "txtModifiedGasketThickness",
    "txtRamDiameter",
    "txtOilPressure",
    "txtForce",
    "txtTheoreticalPressure",
};
constexpr int kInputBoxCount = 10;
constexpr Box kInputBoxes[kInputBoxCount] = {Box::txtOEL,
                                             Box::txtTEL,
                                             Box::txtGasketWidth,
                                             Box::txtHoleDiameter,
                                             Box::txtTCCentralDepth,
                                             Box::txtTCEdgePosition,
                                             Box::txtCubeSize,
                                             Box::txtTapeThickness,
                                             Box::txtRamDiameter,
                                             Box::txtOilPressure};

struct CalcButton {
  const char* name;
  Fault (Handlers::*click)();
};
constexpr CalcButton kCalcButtons[] = {
    {"cmdCalc", &Handlers::cmdCalc_Click},
    {"cmdOuterCalc", &Handlers::cmdOuterCalc_Click},
    {"cmdHole", &Handlers::cmdHole_Click},
    {"cmdTCCalc", &Handlers::cmdTCCalc_Click},
    {"cmdPaperAndTape", &Handlers::cmdPaperAndTape_Click},
    {"cmdRam", &Handlers::cmdRam_Click},
};
constexpr const char* kGroupNames[] = {"optDistanceUnits", "optOilPressureUnits", "optForceUnits"};

enum class Kind { Keyboard, Paste, Calc, Preset, Option, Count };
constexpr const char* kKindNames[] = {"typed", "pasted", "Calc", "preset", "option"};

struct Action {
  Kind kind;
  int target;  // box, button, preset or group
  int index;   // option Index
  std::string text;
};

// What a person types: mostly well-formed numbers in the locale's form, sometimes with the other
// separator, a sign, an exponent large enough to overflow, or a hostile text.
class ActionSource {
 public:
  ActionSource(std::uint32_t seed, std::string separator)
      : rng_(seed),
        separator_(std::move(separator)),
        hostile_(ostrel::test_support::HostileTexts()) {}

  Action Next() {
    const int roll = Uniform(0, 99);
    Action a{};
    if (roll < 40) {
      a.target = Uniform(0, 4) == 0 ? Uniform(0, kBoxCount - 1)
                                    : static_cast<int>(kInputBoxes[Uniform(0, kInputBoxCount - 1)]);
      a.text = Uniform(0, 2) == 0 ? hostile_[Uniform(0, static_cast<int>(hostile_.size()) - 1)]
                                  : Number();
      a.kind = Typeable(a.text) ? Kind::Keyboard : Kind::Paste;
    } else if (roll < 70) {
      a.kind = Kind::Calc;
      a.target = Uniform(0, static_cast<int>(std::size(kCalcButtons)) - 1);
    } else if (roll < 78) {
      a.kind = Kind::Preset;
      a.target = Uniform(0, ostrel::kPressPresetCount - 1);
    } else {
      a.kind = Kind::Option;
      a.target = Uniform(0, 2);
      a.index = Uniform(0, ostrel::test_support::kGroupSize[a.target] - 1);
    }
    return a;
  }

 private:
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::string Digits(int lo, int hi) {
    std::string d;
    for (int n = Uniform(lo, hi); n > 0; --n) d += static_cast<char>('0' + Uniform(0, 9));
    return d;
  }

  std::string Number() {
    std::string t;
    if (Uniform(0, 5) == 0) t += '-';
    // A cell is tens of millimetres; an octahedron edge beyond about 357 mm overflows its
    // volume's box, so three-digit values are the exception.
    t += Digits(1, Uniform(0, 9) == 0 ? 3 : 2);
    if (Uniform(0, 1)) {
      t += Uniform(0, 9) == 0 ? (separator_ == "," ? "." : ",") : separator_;
      t += Digits(1, 3);
    }
    // Rare, as one value beyond a box's range keeps every refresh faulting until it is replaced.
    if (Uniform(0, 15) == 0) {
      t += Uniform(0, 1) ? 'E' : 'e';
      if (Uniform(0, 1) == 0) t += '-';
      t += std::to_string(Uniform(0, 45));
    }
    return t;
  }

  // Short printable ASCII goes through the keyboard; anything else is pasted.
  static bool Typeable(const std::string& text) {
    if (text.size() > 40) return false;
    for (const char c : text) {
      if (c < ' ' || c > '~') return false;
    }
    return true;
  }

  std::mt19937 rng_;
  std::string separator_;
  std::vector<std::string> hostile_;
};

}  // namespace

class WindowSoakTest final : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ostrel::ui::UseWindowStyle(); }
  void cleanup() { QLocale::setDefault(QLocale::system()); }

  void soak_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<int>("actions");
    QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << QStringLiteral(".") << std::uint32_t{20261208} << 20000;
    QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral(",")
                           << std::uint32_t{19700101} << 20000;
  }

  void soak() {
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    QFETCH(std::uint32_t, seed);
    QFETCH(int, actions);
    QLocale::setDefault(locale);
    QElapsedTimer clock;
    clock.start();

    std::vector<Fault> reported;
    MainWindow window([&reported](Fault f) { reported.push_back(f); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    CalcState state;
    FakeView view(separator.toStdString());
    Handlers handlers(state, view);
    view.Attach(&handlers);
    view.Report(handlers.Form_Load());

    std::array<QLineEdit*, kBoxCount> boxes{};
    for (int b = 0; b < kBoxCount; ++b) {
      boxes[b] = window.findChild<QLineEdit*>(QString::fromUtf8(kBoxNames[b]));
      QVERIFY(boxes[b]);
    }
    int step = -1;
    const char* what = "start-up";
    auto agree = [&]() {
      const QByteArray where = QStringLiteral("action %1 (%2)").arg(step).arg(what).toUtf8();
      for (int b = 0; b < kBoxCount; ++b) {
        QVERIFY2(boxes[b]->text().toStdString() == view.Text(static_cast<Box>(b)),
                 (where + ": " + kBoxNames[b] + " \"" + boxes[b]->text().toUtf8() +
                  "\", without the window \"" + view.Text(static_cast<Box>(b)).c_str() + "\"")
                     .constData());
      }
      QVERIFY2(std::memcmp(&window.State(), &state, sizeof state) == 0,
               (where + ": the calculation state differs").constData());
      QVERIFY2(reported == view.Reports(), (where + ": the fault reports differ").constData());
      QVERIFY2(reported.size() <= 1, (where + ": more than one report").constData());
    };
    agree();
    if (QTest::currentTestFailed()) return;
    QCOMPARE(reported.size(), std::size_t{0});

    ActionSource source(seed, separator.toStdString());
    std::array<int, static_cast<int>(Kind::Count)> kinds{};
    std::array<int, 4> faults{};
    for (step = 0; step < actions; ++step) {
      const Action a = source.Next();
      what = kKindNames[static_cast<int>(a.kind)];
      // The actions, for finding where a run went wrong.
      if (qEnvironmentVariableIsSet("OSTREL_SOAK_TRACE"))
        qInfo("%d %s target %d index %d text \"%s\"", step, what, a.target, a.index,
              a.text.c_str());
      ++kinds[static_cast<int>(a.kind)];
      reported.clear();
      view.ClearLogs();
      switch (a.kind) {
        case Kind::Keyboard: {
          QLineEdit* box = boxes[a.target];
          QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
          QTest::keyClick(box, Qt::Key_Delete);
          QTest::keyClicks(box, QString::fromStdString(a.text));
          view.Type(static_cast<Box>(a.target), a.text);
          break;
        }
        case Kind::Paste:
          boxes[a.target]->setText(QString::fromStdString(a.text));
          // The box holds text, not bytes: what it keeps of a pasted text is the toolkit's
          // conversion, and the run without the window gets the same.
          view.Type(static_cast<Box>(a.target), QString::fromStdString(a.text).toStdString());
          break;
        case Kind::Calc: {
          const CalcButton& c = kCalcButtons[a.target];
          QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8(c.name)),
                            Qt::LeftButton);
          view.Report((handlers.*c.click)());
          break;
        }
        case Kind::Preset:
          QTest::mouseClick(window.findChild<QPushButton*>(QString::fromStdString(
                                ostrel::ui::ObjectName("cmdWhichPress", a.target))),
                            Qt::LeftButton);
          view.Report(handlers.cmdWhichPress_Click(static_cast<std::int16_t>(a.target)));
          break;
        case Kind::Option: {
          // On the round mark: a short caption leaves the middle of the button outside it.
          auto* option = window.findChild<QRadioButton*>(
              QString::fromStdString(ostrel::ui::ObjectName(kGroupNames[a.target], a.index)));
          QStyleOptionButton style_option;
          style_option.initFrom(option);
          const QPoint mark =
              option->style()
                  ->subElementRect(QStyle::SE_RadioButtonIndicator, &style_option, option)
                  .center();
          QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, mark);
          view.Click(static_cast<Group>(a.target), a.index);
          break;
        }
        case Kind::Count:
          break;
      }
      agree();
      if (QTest::currentTestFailed()) return;
      if (!reported.empty()) ++faults[static_cast<int>(reported[0])];
    }
    qInfo(
        "%d actions in %lld ms: %d typed, %d pasted, %d Calc, %d preset, %d option; faults: "
        "%d type mismatch, %d overflow, %d division by zero",
        actions, static_cast<long long>(clock.elapsed()), kinds[0], kinds[1], kinds[2], kinds[3],
        kinds[4], faults[static_cast<int>(Fault::TypeMismatch)],
        faults[static_cast<int>(Fault::Overflow)], faults[static_cast<int>(Fault::DivisionByZero)]);
  }
};

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
