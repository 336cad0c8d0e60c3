// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The real window driven with mouse and keyboard: start-up, every Calc button, the presets, the
// unit groups, typed text and refreshes, fault reports and keys that must press nothing.

#include <map>
#include <memory>
#include <vector>

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include "tests/support/startup_texts.h"
#include "window_test_support.h"

using ostrel::Fault;
using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
using ostrel::ui::kNotInArray;
using ostrel::ui::MainWindow;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingWindow;

Q_DECLARE_METATYPE(Fault)

namespace {

using Texts = std::map<QString, QString>;

// The start-up design in millimetres, psi and US tons, by box name.
Texts StartupTexts() {
  Texts texts;
  for (const auto& t : ostrel::test_support::kStartupTexts) texts[t.name] = t.text;
  return texts;
}
const Texts kStartup = StartupTexts();

// "name=text" pairs, for table rows.
Texts Pairs(const QStringList& pairs) {
  Texts texts;
  for (const QString& pair : pairs) {
    const auto at = pair.indexOf(QLatin1Char('='));
    texts[pair.left(at)] = pair.mid(at + 1);
  }
  return texts;
}

Texts StartupWith(const QStringList& changes) {
  Texts texts = kStartup;
  for (const auto& [name, text] : Pairs(changes)) texts[name] = text;
  return texts;
}

}  // namespace

class WindowEventsTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<RecordingWindow> ui_;
  std::unique_ptr<ModalWatchdog> watchdog_;

  MainWindow& window() { return ui_->window; }
  const std::vector<Fault>& faults() { return ui_->faults; }

  QLineEdit* Box(const QString& name) { return window().findChild<QLineEdit*>(name); }

  Texts AllTexts() {
    Texts texts;
    for (const Control& c : kControls) {
      if (c.kind == Kind::TextBox) texts[c.name] = Box(c.name)->text();
    }
    return texts;
  }

  // The selected Index of each group, as "distance oil force".
  QString Selections() {
    QString selected;
    for (const char* group : {"optDistanceUnits", "optOilPressureUnits", "optForceUnits"}) {
      for (int i = 0; i < 3; ++i) {
        auto* option = Child<QRadioButton>(window(), group, i);
        if (option && option->isChecked()) selected += QString::number(i);
      }
    }
    return selected;
  }

  // Replaces a box's text as a user does: select all, then type.
  void Type(const QString& name, const QString& text) {
    QLineEdit* box = Box(name);
    QVERIFY2(box, qPrintable(name));
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QCOMPARE(box->text(), text);
  }

  void TypeAll(const QStringList& pairs) {
    for (const auto& [name, text] : Pairs(pairs)) Type(name, text);
  }

  // A left click where a user would click: the middle of a push button, the round mark of an
  // option.
  void Click(const QString& name) {
    auto* button = window().findChild<QAbstractButton*>(name);
    QVERIFY2(button, qPrintable(name));
    QPoint at = button->rect().center();
    if (qobject_cast<QRadioButton*>(button)) {
      QStyleOptionButton option;
      option.initFrom(button);
      at = button->style()
               ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
               .center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
  }

  void CompareTexts(const Texts& expected) {
    const Texts actual = AllTexts();
    for (const auto& [name, text] : expected) {
      QVERIFY2(actual.count(name), qPrintable(name));
      QVERIFY2(
          actual.at(name) == text,
          qPrintable(
              QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(name, actual.at(name), text)));
    }
  }

 private slots:
  void initTestCase() {
    ostrel::ui::UseWindowStyle();
    QLocale::setDefault(QLocale::c());
  }

  void init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    ui_ = std::make_unique<RecordingWindow>();
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }

  void cleanup() {
    QLocale::setDefault(QLocale::c());
    ui_.reset();
    if (watchdog_) QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  void startup_filledBeforeShownWithUnitsAndFocus() {
    RecordingWindow fresh;
    QVERIFY(!fresh.window.isVisible());
    QVERIFY(fresh.faults.empty());
    for (const Control& c : kControls) {
      if (c.kind != Kind::TextBox) continue;
      QCOMPARE(fresh.window.findChild<QLineEdit*>(c.name)->text(), kStartup.at(c.name));
    }
    QVERIFY(Child<QRadioButton>(fresh.window, "optDistanceUnits", 0)->isChecked());
    QVERIFY(Child<QRadioButton>(fresh.window, "optOilPressureUnits", 2)->isChecked());
    QVERIFY(Child<QRadioButton>(fresh.window, "optForceUnits", 2)->isChecked());
    fresh.window.show();
    fresh.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fresh.window));
    QCOMPARE(QApplication::focusWidget(), Child(fresh.window, "txtOctahedronWaist"));
    QVERIFY(fresh.faults.empty());
  }

  // Each Calc button reads its own boxes and refreshes every box; results of other sections
  // stay as they were (a new OEL leaves the hole volume of the old octahedron).
  void calcButtons_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("cmdCalc") << QStringList{"txtOEL=10", "txtTEL=4"} << "cmdCalc"
                             << QStringList{"txtOEL=10",
                                            "txtTEL=4",
                                            "txtGasketThickness=2.83",
                                            "txtInnerShortEdge=6",
                                            "txtInnerLongEdge=10",
                                            "txtOctahedronVolume=471.4",
                                            "txtHoleLength=8.16",
                                            "txtOctahedronWaist=1",
                                            "txtTheoreticalPressure=36.4"};
    QTest::newRow("cmdOuterCalc") << QStringList{"txtGasketWidth=2.5"} << "cmdOuterCalc"
                                  << QStringList{"txtGasketWidth=2.5", "txtOuterShortEdge=15",
                                                 "txtOuterLongEdge=19", "txtGasketVolume=1230.37"};
    QTest::newRow("cmdHole") << QStringList{"txtHoleDiameter=2.8"} << "cmdHole"
                             << QStringList{"txtHoleDiameter=2.8", "txtHoleVolume=70.39"};
    QTest::newRow("cmdTCCalc") << QStringList{"txtTCCentralDepth=0.5", "txtTCEdgePosition=0"}
                               << "cmdTCCalc"
                               << QStringList{"txtTCEdgePosition=0", "txtSpreadAngle=120",
                                              "txtRakeAngle=3.54"};
    QTest::newRow("cmdPaperAndTape")
        << QStringList{"txtCubeSize=10", "txtTapeThickness=3"} << "cmdPaperAndTape"
        << QStringList{"txtCubeSize=10", "txtTapeThickness=3", "txtPaperWidth=20",
                       "txtModifiedGasketThickness=-0.17"};
    // 1000 psi is stored as 6.8965516 MPa, not the start-up 6.897.
    QTest::newRow("cmdRam") << QStringList{"txtRamDiameter=370", "txtOilPressure=1000"} << "cmdRam"
                            << QStringList{"txtRamDiameter=370", "txtForce=83.3",
                                           "txtTheoreticalPressure=6.7"};
  }

  void calcButtons() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, changed);
    TypeAll(typed);
    Click(button);
    CompareTexts(StartupWith(changed));
    QVERIFY(faults().empty());
  }

  // A preset stores only the ram diameter: an oil pressure typed but not entered is discarded.
  void presets_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("Big Blue") << "cmdWhichPress_0" << QStringList{};
    QTest::newRow("Red, Blue, Green")
        << "cmdWhichPress_1"
        << QStringList{"txtRamDiameter=457.2", "txtForce=127.3", "txtTheoreticalPressure=10.2"};
    QTest::newRow("Rockland") << "cmdWhichPress_2" << QStringList{};
    QTest::newRow("Sumitomo at Dorvik")
        << "cmdWhichPress_3"
        << QStringList{"txtRamDiameter=370", "txtForce=83.4", "txtTheoreticalPressure=6.7"};
  }

  void presets() {
    QFETCH(QString, button);
    QFETCH(QStringList, changed);
    Type("txtOilPressure", "5");
    Click(button);
    CompareTexts(StartupWith(changed));
    QVERIFY(faults().empty());
  }

  // A unit change rewrites the boxes of its group and changes no stored value: switching back
  // restores the start-up texts. The other groups keep their selections.
  void unitGroups_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("selections");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("Inches") << "optDistanceUnits_1"
                            << "optDistanceUnits_0"
                            << "122"
                            << QStringList{"txtOEL=0.55118",
                                           "txtTEL=0.31496",
                                           "txtGasketWidth=0.19685",
                                           "txtHoleDiameter=0.220472",
                                           "txtTCCentralDepth=0.019685",
                                           "txtTCEdgePosition=0.07874",
                                           "txtCubeSize=0.999998",
                                           "txtTapeThickness=0",
                                           "txtGasketThickness=0.111",
                                           "txtInnerShortEdge=0.394",
                                           "txtInnerLongEdge=0.551",
                                           "txtOctahedronVolume=0.079",
                                           "txtHoleLength=0.45",
                                           "txtOctahedronWaist=0.039",
                                           "txtOuterShortEdge=0.787",
                                           "txtOuterLongEdge=0.945",
                                           "txtGasketVolume=0.176",
                                           "txtHoleVolume=0.017",
                                           "txtPaperHole=0.787",
                                           "txtPaperWidth=2",
                                           "txtModifiedGasketThickness=0.111",
                                           "txtRamDiameter=17"};
    QTest::newRow("MPa") << "optOilPressureUnits_0"
                         << "optOilPressureUnits_2"
                         << "002" << QStringList{"txtOilPressure=6.9"};
    QTest::newRow("bars") << "optOilPressureUnits_1"
                          << "optOilPressureUnits_2"
                          << "012" << QStringList{"txtOilPressure=69"};
    QTest::newRow("kN") << "optForceUnits_0"
                        << "optForceUnits_2"
                        << "020" << QStringList{"txtForce=1010"};
    QTest::newRow("Metric tons") << "optForceUnits_1"
                                 << "optForceUnits_2"
                                 << "021" << QStringList{"txtForce=103"};
  }

  void unitGroups() {
    QFETCH(QString, option);
    QFETCH(QString, back);
    QFETCH(QString, selections);
    QFETCH(QStringList, changed);
    QCOMPARE(Selections(), QStringLiteral("022"));
    Click(option);
    QCOMPARE(Selections(), selections);
    CompareTexts(StartupWith(changed));
    Click(back);
    QCOMPARE(Selections(), QStringLiteral("022"));
    CompareTexts(kStartup);
    QVERIFY(faults().empty());
  }

  // Typed text, in input and result boxes alike, is used by nothing but its own Calc button;
  // any refresh puts the stored values back.
  void typedTextReplacedByRefresh_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("preset") << "cmdWhichPress_2" << QStringList{};
    QTest::newRow("unit change") << "optOilPressureUnits_1" << QStringList{"txtOilPressure=69"};
    QTest::newRow("another section's Calc") << "cmdHole" << QStringList{};
  }

  void typedTextReplacedByRefresh() {
    QFETCH(QString, trigger);
    QFETCH(QStringList, changed);
    for (const auto& [name, text] : kStartup) {
      if (name != QLatin1String("txtHoleDiameter")) Type(name, QStringLiteral("77"));
    }
    QCOMPARE(AllTexts().at("txtOEL"), QStringLiteral("77"));
    Click(trigger);
    CompareTexts(StartupWith(changed));
    QVERIFY(faults().empty());
  }

  // An input typed with inches selected is divided by 0.03937: 0.5 in is 12.7000256 mm.
  void inchInputShownInBothUnits() {
    Click("optDistanceUnits_1");
    Type("txtOEL", "0.5");
    Click("cmdCalc");
    QCOMPARE(Box("txtOEL")->text(), QStringLiteral("0.5"));
    Click("optDistanceUnits_0");
    QCOMPARE(Box("txtOEL")->text(), QStringLiteral("12.70003"));
    QVERIFY(faults().empty());
  }

  // The ram diameter is stored before the oil pressure fails to read, and nothing is
  // refreshed; the next refresh shows the new diameter with the old pressure.
  void lettersInOilPressureStoreRamDiameterOnly() {
    Type("txtRamDiameter", "370");
    Type("txtOilPressure", "abc");
    Click("cmdRam");
    QCOMPARE(faults(), std::vector<Fault>{Fault::TypeMismatch});
    CompareTexts(StartupWith({"txtRamDiameter=370", "txtOilPressure=abc"}));
    Click("optDistanceUnits_1");
    QCOMPARE(Box("txtRamDiameter")->text(), QStringLiteral("14.567"));
    QCOMPARE(Box("txtOilPressure")->text(), QStringLiteral("1000"));
    QCOMPARE(Box("txtForce")->text(), QStringLiteral("83.4"));
    QCOMPARE(faults().size(), std::size_t{1});
  }

  void holeVolumeWaitsForItsOwnCalc() {
    Type("txtOEL", "10");
    Type("txtTEL", "4");
    Click("cmdCalc");
    QCOMPARE(Box("txtHoleLength")->text(), QStringLiteral("8.16"));
    QCOMPARE(Box("txtHoleVolume")->text(), QStringLiteral("281.55"));
    Click("cmdHole");
    QCOMPARE(Box("txtHoleVolume")->text(), QStringLiteral("201.1"));
  }

  // A fault is reported once; the rest of the handler (reading, calculating, refreshing) is
  // abandoned, and the window goes on working with what was stored.
  void faultsReportedOnce_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("beforeClick");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("click");
    QTest::addColumn<Fault>("fault");
    QTest::newRow("letters") << QStringList{} << QString() << QStringList{"txtOEL=abc"} << "cmdCalc"
                             << Fault::TypeMismatch;
    QTest::newRow("empty box") << QStringList{} << QString() << QStringList{"txtTEL="} << "cmdCalc"
                               << Fault::TypeMismatch;
    QTest::newRow("number beyond float")
        << QStringList{} << QString() << QStringList{"txtGasketWidth=1e39"} << "cmdOuterCalc"
        << Fault::Overflow;
    QTest::newRow("octahedron volume overflows")
        << QStringList{} << QString() << QStringList{"txtOEL=1e13"} << "cmdCalc" << Fault::Overflow;
    QTest::newRow("zero OEL in the trench angles")
        << QStringList{"txtOEL=0"} << "cmdCalc" << QStringList{"txtTCCentralDepth=0.7"}
        << "cmdTCCalc" << Fault::DivisionByZero;
  }

  void faultsReportedOnce() {
    QFETCH(QStringList, before);
    QFETCH(QString, beforeClick);
    QFETCH(QStringList, typed);
    QFETCH(QString, click);
    QFETCH(Fault, fault);
    TypeAll(before);
    if (!beforeClick.isEmpty()) Click(beforeClick);
    QVERIFY(faults().empty());
    TypeAll(typed);
    const Texts shown = AllTexts();
    Click(click);
    QCOMPARE(faults(), std::vector<Fault>{fault});
    CompareTexts(shown);

    // Still working: a sound design entered afresh is calculated and shown.
    Type("txtOEL", "14");
    Type("txtTEL", "8");
    Click("cmdCalc");
    QCOMPARE(faults().size(), std::size_t{1});
    QCOMPARE(Box("txtOctahedronVolume")->text(), QStringLiteral("1293.53"));
    QCOMPARE(Box("txtTheoreticalPressure")->text(), QStringLiteral("9.1"));
  }

  void clickOnSelectedOptionRunsNothing_data() {
    QTest::addColumn<QString>("option");
    QTest::newRow("Millimeters") << "optDistanceUnits_0";
    QTest::newRow("psi") << "optOilPressureUnits_2";
    QTest::newRow("US tons") << "optForceUnits_2";
  }

  void clickOnSelectedOptionRunsNothing() {
    QFETCH(QString, option);
    Type("txtOEL", "77");
    Click(option);
    QCOMPARE(Box("txtOEL")->text(), QStringLiteral("77"));
    QCOMPARE(Selections(), QStringLiteral("022"));
    QVERIFY(faults().empty());
  }

  void enterAndEscapePressNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    for (const char* box : {"txtOEL", "txtOilPressure", "txtTheoreticalPressure"}) {
      QTest::addRow("%s Enter", box) << box << int(Qt::Key_Enter);
      QTest::addRow("%s Return", box) << box << int(Qt::Key_Return);
      QTest::addRow("%s Escape", box) << box << int(Qt::Key_Escape);
    }
  }

  void enterAndEscapePressNothing() {
    QFETCH(QString, box);
    QFETCH(int, key);
    Type(box, "77");
    const Texts shown = AllTexts();
    QTest::keyClick(Box(box), Qt::Key(key));
    CompareTexts(shown);
    QVERIFY(window().isVisible());
    QVERIFY(faults().empty());
  }

  // Reading and writing follow the user's number format, asked afresh at each refresh.
  void decimalSeparatorFollowsLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Click("optDistanceUnits_1");
    QCOMPARE(Box("txtOEL")->text(), QStringLiteral("0,55118"));
    Type("txtOEL", "0,5");
    Click("cmdCalc");
    QVERIFY(faults().empty());
    QLocale::setDefault(QLocale::c());
    Click("optDistanceUnits_0");
    QCOMPARE(Box("txtOEL")->text(), QStringLiteral("12.70003"));
  }

  // Without a recorder the report is a modal message box titled "Ostrel" naming the fault.
  void defaultReportIsMessageBox_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("type mismatch") << Fault::TypeMismatch << "Type mismatch";
    QTest::newRow("overflow") << Fault::Overflow << "Overflow";
    QTest::newRow("division by zero") << Fault::DivisionByZero << "Division by zero";
  }

  void defaultReportIsMessageBox() {
    QFETCH(Fault, fault);
    QFETCH(QString, text);
    watchdog_.reset();
    QString title;
    QString shown;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        title = box->windowTitle();
        shown = box->text();
        box->accept();
      }
    });
    poll.start();
    ostrel::ui::ShowFaultMessage(&window(), fault);
    QCOMPARE(title, QStringLiteral("Ostrel"));
    QCOMPARE(shown, text);
  }

  void defaultReportFromAClick() {
    watchdog_.reset();
    MainWindow plain;
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    int boxes = 0;
    QString shown;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++boxes;
        shown = box->text();
        box->accept();
      }
    });
    poll.start();
    auto* oel = plain.findChild<QLineEdit*>(QStringLiteral("txtOEL"));
    QTest::keyClick(oel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(oel, QStringLiteral("abc"));
    QTest::mouseClick(plain.findChild<QPushButton*>(QStringLiteral("cmdCalc")), Qt::LeftButton);
    QCOMPARE(boxes, 1);
    QCOMPARE(shown, QStringLiteral("Type mismatch"));
    QCOMPARE(oel->text(), QStringLiteral("abc"));
  }
};

QTEST_MAIN(WindowEventsTest)
#include "window_events_test.moc"
