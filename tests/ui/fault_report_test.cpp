// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The real fault report: the message box keeps its title, icon, kind and single button and adds
// where the fault happened; once closed, the box to change has the focus with its text selected.
// The window's state and texts match the same handlers run without it.

#include <cstring>

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "present/handlers.h"
#include "present/text_view.h"
#include "window_test_support.h"

using ostrel::Box;
using ostrel::CalcState;
using ostrel::Fault;
using ostrel::Handlers;
using ostrel::TextView;
using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::MainWindow;

namespace {

const Control& Row(const QString& name) {
  for (const Control& c : kControls) {
    if (name == QLatin1String(c.name)) return c;
  }
  qFatal("no control %s", qPrintable(name));
}

// What the message box showed, read while it is open; it is then closed with OK.
struct Report {
  int count = 0;
  QString title, text, informative;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool plain = false;
};

void ReadReports(QTimer& timer, Report& report) {
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&report] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    ++report.count;
    report.title = box->windowTitle();
    report.text = box->text();
    report.informative = box->informativeText();
    report.icon = box->icon();
    report.buttons = static_cast<int>(box->buttons().size());
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    report.plain = label != nullptr && label->textFormat() == Qt::PlainText;
    box->button(QMessageBox::Ok)->click();
  });
  timer.start();
}

}  // namespace

class FaultReportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ostrel::ui::UseWindowStyle();
  }

  // Each row: the box typed into, the text, the button, the box to change, the detail.
  void reportSaysWhereAndFocuses_data() {
    QTest::addColumn<QStringList>("row");
    QTest::newRow("unreadable") << QStringList{
        "txtOEL", "abc", "cmdCalc", "txtOEL",
        "Octahedron edge length (OEL): \"abc\" is not a number. Use a number such as 14 or 2.5."};
    QTest::newRow("division by zero") << QStringList{
        "txtTEL", "0", "cmdCalc", "txtTEL",
        "While computing Theoretical pressure: Truncation edge length (TEL) is 0. Change it in "
        "section 1."};
    QTest::newRow("beyond its box") << QStringList{
        "txtHoleDiameter", "1e5", "cmdHole", "txtHoleDiameter",
        QString::fromUtf8("Hole volume: 8.98e+10 mm\u00b3 is more than the box can show. Change "
                          "an input of section 3.")};
  }

  void reportSaysWhereAndFocuses() {
    QFETCH(QStringList, row);
    const QString &box = row[0], &typed = row[1], &button = row[2], &focus = row[3];

    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    CalcState state;
    TextView view;
    Handlers handlers(state, view);
    view.Attach(&handlers);
    QCOMPARE(handlers.Form_Load(), Fault::None);

    auto* typedBox = window.findChild<QLineEdit*>(box);
    typedBox->setText(typed);
    view.SetBoxText(Row(box).box, typed.toStdString());
    Report report;
    QTimer timer;
    ReadReports(timer, report);
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    timer.stop();
    const Fault expected = (handlers.*Row(button).click)();

    QCOMPARE(report.count, 1);
    QCOMPARE(report.title, QStringLiteral("Ostrel"));
    QCOMPARE(report.text, QString::fromUtf8(ostrel::FaultText(expected)));
    QCOMPARE(report.icon, QMessageBox::Critical);
    QCOMPARE(report.buttons, 1);
    QCOMPARE(report.informative, row[4]);
    QVERIFY(report.plain);
    // Telling where changed nothing that was stored or shown.
    QCOMPARE(std::memcmp(&window.State(), &state, sizeof(CalcState)), 0);
    for (int b = 0; b < ostrel::kBoxCount; ++b) {
      QCOMPARE(window.BoxText(static_cast<Box>(b)), view.Text(static_cast<Box>(b)));
    }

    auto* focused = window.findChild<QLineEdit*>(focus);
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    QVERIFY(focused->hasSelectedText());
    QCOMPARE(focused->selectedText(), focused->text());
  }
};

QTEST_MAIN(FaultReportTest)
#include "fault_report_test.moc"
