// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The window on the screen it opens on, as the program opens it (FitToScreen before show). Run
// on an offscreen screen of a given size (the platform's configfile): with
// OSTREL_EXPECT_SCROLL=1 the screen is too small, the window no larger than it and the calculator
// area scrolls to every control; with OSTREL_EXPECT_SCROLL=0 everything is as it always was.
// OSTREL_SCREENSHOT=<file.png> also saves the window as shown.

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "ui/calibration_menu.h"
#include "ui/calibration_window.h"
#include "ui/cell_drawing_window.h"
#include "ui/screen_fit.h"
#include "window_test_support.h"

using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingDocumentWindow;

class WindowSmallScreenTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalWatchdog> watchdog_;
  std::unique_ptr<RecordingDocumentWindow> ui_;
  std::map<QWidget*, QRect> before_;  // every control in the calculator's coordinates

  ostrel::ui::DocumentWindow& window() { return ui_->window; }
  QWidget& calculator() { return ui_->window.Calculator(); }
  static bool ExpectScroll() { return qEnvironmentVariableIntValue("OSTREL_EXPECT_SCROLL") != 0; }
  static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
  // Whether all of `w` shows in the scroll area's view; one larger than the view fills it.
  static bool ShownWhole(QWidget& w, QScrollArea& scroll) {
    const QRect view = scroll.viewport()->rect();
    const QRect shown(w.mapTo(scroll.viewport(), QPoint(0, 0)), w.size());
    const QRect part = shown & view;
    return part.width() == std::min(shown.width(), view.width()) &&
           part.height() == std::min(shown.height(), view.height());
  }

 private slots:
  void initTestCase() { ostrel::ui::UseWindowStyle(); }

  void init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    ui_ = std::make_unique<RecordingDocumentWindow>();
    for (QWidget* w : calculator().findChildren<QWidget*>())
      before_[w] = QRect(w->mapTo(&calculator(), QPoint(0, 0)), w->size());
    ostrel::ui::FitToScreen(window());
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }

  void cleanup() {
    ui_.reset();
    before_.clear();
    QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  // The screens the tests run on, so that a platform ignoring its configuration fails here.
  void screen_isTheConfiguredOne() {
    const QSize logical = ExpectScroll() ? QSize(640, 400) : QSize(1280, 1024);
    QCOMPARE(Available().size(), logical);
  }

  void window_fitsOrKeepsItsSize() {
    auto* scroll = window().findChild<QScrollArea*>();
    const int bar = window().menuBar()->height();
    if (!ExpectScroll()) {
      QVERIFY(!scroll);
      QCOMPARE(window().size(), QSize(836, 688 + bar));
      QCOMPARE(calculator().geometry(), QRect(0, bar, 836, 688));
    } else {
      QVERIFY(scroll);
      QVERIFY(Available().contains(window().frameGeometry()));
      QVERIFY(scroll->verticalScrollBar()->isVisible());
      QVERIFY(scroll->horizontalScrollBar()->isVisible());
      QCOMPARE(scroll->focusPolicy(), Qt::NoFocus);
      QCOMPARE(calculator().size(), QSize(836, 688));
    }
    // Scrolled or not, every control keeps its place and size within the calculator area.
    for (const auto& [w, rect] : before_)
      QCOMPARE(QRect(w->mapTo(&calculator(), QPoint(0, 0)), w->size()), rect);
    if (const QString shot = qEnvironmentVariable("OSTREL_SCREENSHOT"); !shot.isEmpty())
      QVERIFY(window().grab().save(shot));
  }

  // Each control Tab reaches is scrolled into view.
  void tab_bringsEveryControlIntoView() {
    auto* scroll = window().findChild<QScrollArea*>();
    if (!scroll) QSKIP("The window fits its screen: nothing scrolls.");
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    std::set<QWidget*> reached;
    for (int i = 0; i < 45; ++i) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus && calculator().isAncestorOf(focus));
      reached.insert(focus);
      const QRect shown(focus->mapTo(scroll->viewport(), QPoint(0, 0)), focus->size());
      QVERIFY2(scroll->viewport()->rect().contains(shown),
               qPrintable(focus->objectName() + QStringLiteral(" at %1,%2 in %3x%4")
                                                    .arg(shown.x())
                                                    .arg(shown.y())
                                                    .arg(scroll->viewport()->width())
                                                    .arg(scroll->viewport()->height())));
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    // Both ends of the window among them: the first box and the last preset.
    QVERIFY(reached.count(Child(calculator(), "txtOctahedronWaist")));
    QVERIFY(reached.count(Child(calculator(), "cmdWhichPress", 0)));
  }

  // Every control, those without focus included, can be scrolled into view.
  void everyControl_canBeScrolledIntoView() {
    auto* scroll = window().findChild<QScrollArea*>();
    if (!scroll) QSKIP("The window fits its screen: nothing scrolls.");
    for (const Control& c : kControls) {
      QWidget* w = Child(calculator(), c.name, c.index);
      ostrel::ui::ScrollIntoView(*w);
      QVERIFY2(ShownWhole(*w, *scroll), qPrintable(w->objectName()));
    }
  }

  // Each tool window opens within the screen's free area; where that is too small for the
  // calibration window's controls they scroll, and Tab scrolls each into view.
  void toolWindow_fitsTheScreen_data() {
    QTest::addColumn<bool>("calibration");
    QTest::addColumn<QSize>("fitting");  // its size on a screen it fits
    QTest::newRow("Cell Drawing") << false << QSize(760, 560);
    QTest::newRow("Pressure Calibration") << true << QSize(1080, 580);
  }

  void toolWindow_fitsTheScreen() {
    QFETCH(bool, calibration);
    QFETCH(QSize, fitting);
    QCoreApplication::addLibraryPath(QStringLiteral(OSTREL_CHART_PLUGIN_BUILD_DIR));
    QWidget* tool = calibration
                        ? static_cast<QWidget*>(&ostrel::ui::ShowPressureCalibration(window()))
                        : ostrel::ui::ShowCellDrawing(ui_->window.Calculator(), &window());
    QVERIFY(QTest::qWaitForWindowExposed(tool));
    QVERIFY(Available().contains(tool->frameGeometry()));
    if (!ExpectScroll()) QCOMPARE(tool->size(), fitting);
    if (const QString shot = qEnvironmentVariable("OSTREL_SCREENSHOT");
        calibration && !shot.isEmpty())
      QVERIFY(tool->grab().save(QString(shot).replace(QStringLiteral(".png"), "-calibration.png")));
    if (!calibration) return;

    auto* scroll = tool->findChild<QScrollArea*>();
    QVERIFY(scroll);
    QCOMPARE(scroll->verticalScrollBar()->isVisible(), ExpectScroll());
    QCOMPARE(scroll->horizontalScrollBar()->isVisible(), ExpectScroll());
    tool->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tool));
    const QStringList order{"newForce",         "newPressure",  "newLabel",      "addPoint",
                            "calibrationTable", "removePoints", "targetPressure"};
    for (const QString& name : order) {
      QWidget* focus = QApplication::focusWidget();
      QCOMPARE(focus->objectName(), name);
      QVERIFY2(ShownWhole(*focus, *scroll), qPrintable(name));
      QTest::keyClick(focus, Qt::Key_Tab);
    }
  }
};

QTEST_MAIN(WindowSmallScreenTest)
#include "window_small_screen_test.moc"
