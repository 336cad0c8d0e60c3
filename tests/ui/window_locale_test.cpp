// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The decimal separator of the user's number format, in both directions: what the window shows,
// what it reads, and that the other separator is a type mismatch. The locale comes either from
// QLocale::setDefault or, in the runs registered with LC_ALL set, from the environment.

#include <memory>
#include <vector>

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window_test_support.h"

using ostrel::Fault;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingWindow;

Q_DECLARE_METATYPE(QLocale)

class WindowLocaleTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalWatchdog> watchdog_;

  static QString Text(RecordingWindow& ui, const char* box) {
    return Child<QLineEdit>(ui.window, box)->text();
  }

  // Types into txtOEL and presses section 1's Calc button, as a user would.
  static void EnterOel(RecordingWindow& ui, const QString& text) {
    auto* box = Child<QLineEdit>(ui.window, "txtOEL");
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::mouseClick(Child<QPushButton>(ui.window, "cmdCalc"), Qt::LeftButton);
  }

  // "2" + separator + "83".
  static QString Number(const char* whole, QChar separator, const char* fraction) {
    return QString::fromUtf8(whole) + separator + QString::fromUtf8(fraction);
  }

  // Shows, reads and rejects with the separator given; the window is made under the locale in
  // force.
  static void CheckSeparator(QChar separator, QChar other) {
    RecordingWindow ui;
    ui.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ui.window));
    QCOMPARE(Text(ui, "txtGasketThickness"), Number("2", separator, "83"));
    QCOMPARE(Text(ui, "txtHoleDiameter"), Number("5", separator, "6"));

    EnterOel(ui, Number("2", separator, "5"));
    QVERIFY(ui.faults.empty());
    QCOMPARE(Text(ui, "txtOEL"), Number("2", separator, "5"));
    // OEL 2.5 on the 8 mm truncation: a negative gasket thickness, (2.5 - 8) * sqrt(2) / 3.
    QCOMPARE(Text(ui, "txtGasketThickness"), Number("-2", separator, "59"));

    EnterOel(ui, Number("2", other, "5"));
    QCOMPARE(ui.faults, std::vector<Fault>{Fault::TypeMismatch});
    // Nothing was stored or refreshed: the typed text is still there, the result unchanged.
    QCOMPARE(Text(ui, "txtOEL"), Number("2", other, "5"));
    QCOMPARE(Text(ui, "txtGasketThickness"), Number("-2", separator, "59"));
  }

 private slots:
  void initTestCase() { ostrel::ui::UseWindowStyle(); }

  void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }

  void cleanup() {
    QLocale::setDefault(QLocale::system());
    if (watchdog_) QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  void defaultLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QChar>("other");
    const QChar comma(u','), point(u'.');
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << comma << point;
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << comma << point;
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << point << comma;
    QTest::newRow("C") << QLocale::c() << point << comma;
    QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << point
                                  << comma;
  }

  void defaultLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QChar, separator);
    QFETCH(QChar, other);
    QLocale::setDefault(locale);
    CheckSeparator(separator, other);
  }

  // The separator is asked at every refresh, not once when the window is made.
  void localeChangeReachesTheNextRefresh() {
    QLocale::setDefault(QLocale::c());
    RecordingWindow ui;
    QCOMPARE(Text(ui, "txtOctahedronVolume"), QStringLiteral("1293.53"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::mouseClick(Child<QRadioButton>(ui.window, "optDistanceUnits", 1), Qt::LeftButton);
    QCOMPARE(Text(ui, "txtOEL"), QStringLiteral("0,55118"));
    QCOMPARE(Text(ui, "txtOctahedronVolume"), QStringLiteral("0,079"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QTest::mouseClick(Child<QRadioButton>(ui.window, "optDistanceUnits", 0), Qt::LeftButton);
    QCOMPARE(Text(ui, "txtOctahedronVolume"), QStringLiteral("1293.53"));
    QVERIFY(ui.faults.empty());
  }

  // The user's own setting, from LC_ALL: run by the tests registered with LC_ALL and
  // OSTREL_EXPECT_SEPARATOR in their environment.
  void environmentLocale() {
    const QString expected = qEnvironmentVariable("OSTREL_EXPECT_SEPARATOR");
    if (expected.size() != 1) QSKIP("runs only with OSTREL_EXPECT_SEPARATOR and LC_ALL set");
    QLocale::setDefault(QLocale::system());
    const QChar separator = expected[0];
    CheckSeparator(separator, separator == u',' ? QChar(u'.') : QChar(u','));
  }
};

QTEST_MAIN(WindowLocaleTest)
#include "window_locale_test.moc"
