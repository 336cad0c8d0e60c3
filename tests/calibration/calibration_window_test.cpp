// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "tests/calibration/calibration_window_support.h"
#include "ui/calibration_window.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

namespace ostrel::ui::test {
namespace {

// Types into a table cell through its editor and commits with Enter, as a user does.
void TypeIntoCell(QTableWidget* table, int row, int column, const QString& text) {
  table->setCurrentCell(row, column);
  table->editItem(table->item(row, column));
  auto* editor = table->viewport()->findChild<QLineEdit*>();
  QVERIFY(editor);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The delegate commits the editor's text from the event loop.
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList Column(QTableWidget* table, int column) {
  QStringList texts;
  for (int r = 0; r < table->rowCount(); ++r) texts << table->item(r, column)->text();
  return texts;
}

}  // namespace

class CalibrationWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    FindChartPlugin();
    UseWindowStyle();
  }

  void init() {
    calculator_ = std::make_unique<MainWindow>([](Fault) { QFAIL("unexpected fault"); });
    window_ = std::make_unique<CalibrationWindow>(*calculator_);
    window_->SetPoints(FourPoints());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    table_ = window_->findChild<QTableWidget*>(QStringLiteral("calibrationTable"));
    QVERIFY(table_);
  }

  void cleanup() {
    window_.reset();
    calculator_.reset();
  }

  void editingAPointTakesItAndKeepsTheOrder() {
    QSignalSpy edited(window_.get(), &CalibrationWindow::PointsEdited);
    TypeIntoCell(table_, 1, 1, QStringLiteral("8.1"));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(window_->Points()[1].pressure, 8.1f);
    QCOMPARE(table_->item(1, 1)->text(), QStringLiteral("8.1"));

    // US tons: 300 of them is beyond the last point, so the first point moves to the end.
    TypeIntoCell(table_, 0, 0, QStringLiteral("300"));
    QCOMPARE(edited.count(), 2);
    QCOMPARE(Column(table_, 0), (QStringList{"107.9", "146.1", "202.3", "300"}));
    QCOMPARE(table_->item(3, 2)->text(), QStringLiteral("Bi I\u2013II"));
    // Pressures now fall at the end: the rows that break the rule are named.
    auto* status = window_->findChild<QLabel*>(QStringLiteral("calibrationStatus"));
    QCOMPARE(status->text(),
             QStringLiteral("Points 3 and 4: the pressure does not rise with the force. No "
                            "calibrated values until this is corrected."));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("currentPressure"))->text(),
             QStringLiteral("\u2014"));
  }

  void badEntryIsRefusedInPlace() {
    QSignalSpy edited(window_.get(), &CalibrationWindow::PointsEdited);
    auto* pressure = window_->findChild<QLabel*>(QStringLiteral("currentPressure"));
    const QString pressure_before = pressure->text();
    const QStringList forces_before = Column(table_, 0);
    TypeIntoCell(table_, 2, 0, QStringLiteral("abc"));
    auto* refusal = window_->findChild<QLabel*>(QStringLiteral("calibrationRefusal"));
    QCOMPARE(refusal->text(), QStringLiteral("Point 3: \u201cabc\u201d is not a number."));
    QVERIFY(refusal->isVisible());
    QCOMPARE(table_->item(2, 0)->text(), QStringLiteral("abc"));
    QCOMPARE(table_->item(2, 0)->toolTip(), refusal->text());
    QCOMPARE(edited.count(), 0);
    QCOMPARE(window_->Points()[2].force, 1300.0f);
    QCOMPARE(pressure->text(), pressure_before);

    // A bad new point is refused in its own entry; nothing is added.
    window_->findChild<QLineEdit*>(QStringLiteral("newForce"))->setText(QStringLiteral("0"));
    window_->findChild<QLineEdit*>(QStringLiteral("newPressure"))->setText(QStringLiteral("3"));
    QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("addPoint")), Qt::LeftButton);
    QCOMPARE(refusal->text(), QStringLiteral("New point: the force must be greater than zero."));
    QCOMPARE(window_->Points().size(), std::size_t{4});
    QCOMPARE(edited.count(), 0);

    // Corrected, the entry is taken and the marks go.
    TypeIntoCell(table_, 2, 0, QStringLiteral("150"));
    QCOMPARE(edited.count(), 1);
    QVERIFY(!refusal->isVisible());
    QVERIFY(Column(table_, 0) != forces_before);
  }

  void followsUnitSwitching() {
    auto* kn = calculator_->findChild<QRadioButton*>(QStringLiteral("optForceUnits_0"));
    QTest::mouseClick(kn, Qt::LeftButton);
    QCOMPARE(table_->horizontalHeaderItem(0)->text(), QStringLiteral("Force (kN)"));
    QCOMPARE(Column(table_, 0), (QStringList{"260", "960", "1300", "1800"}));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("currentForce"))->text(),
             QString::fromStdString(calculator_->BoxText(Box::txtForce) + " kN"));
    auto* metric = calculator_->findChild<QRadioButton*>(QStringLiteral("optForceUnits_1"));
    QTest::mouseClick(metric, Qt::LeftButton);
    QCOMPARE(table_->horizontalHeaderItem(0)->text(), QStringLiteral("Force (metric tons)"));
    QCOMPARE(Column(table_, 0), (QStringList{"26.5", "97.9", "132.6", "183.6"}));
  }

  void followsARefresh() {
    auto* pressure = window_->findChild<QLabel*>(QStringLiteral("currentPressure"));
    QCOMPARE(pressure->text(), QStringLiteral("7.98 GPa, interpolated"));
    calculator_->SetBoxText(Box::txtOilPressure, "2000");
    QTest::mouseClick(calculator_->findChild<QPushButton*>(QStringLiteral("cmdRam")),
                      Qt::LeftButton);
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("currentForce"))->text(),
             QString::fromStdString(calculator_->BoxText(Box::txtForce) + " US tons"));
    QCOMPARE(pressure->text(), QStringLiteral("13.06 GPa, extrapolated above the last point"));
  }

  void targetGivesForceAndOilPressure() {
    auto* target = window_->findChild<QLineEdit*>(QStringLiteral("targetPressure"));
    QTest::keyClicks(target, QStringLiteral("9.6"));
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("targetForce"))->text(),
             QStringLiteral("146.1 US tons"));
    const QString oil = window_->findChild<QLabel*>(QStringLiteral("targetOil"))->text();
    QVERIFY2(oil.endsWith(QStringLiteral(" psi")), qPrintable(oil));
    // That oil pressure, typed into the calculator, gives the target's force there.
    calculator_->SetBoxText(Box::txtOilPressure, oil.chopped(4).toStdString());
    QTest::mouseClick(calculator_->findChild<QPushButton*>(QStringLiteral("cmdRam")),
                      Qt::LeftButton);
    QCOMPARE(calculator_->BoxText(Box::txtForce), std::string("146.1"));
  }

  void plotAndCaptionsFit() {
    QVERIFY(window_->findChild<QWidget*>(QStringLiteral("calibrationChart")));
    QVERIFY(!window_->findChild<QWidget*>(QStringLiteral("calibrationChartMissing")));
    // No caption is cut: each has at least the width its text needs.
    for (auto* label : window_->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->wordWrap()) continue;
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
    for (auto* button : window_->findChildren<QPushButton*>()) {
      QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    }
  }

 private:
  std::unique_ptr<MainWindow> calculator_;
  std::unique_ptr<CalibrationWindow> window_;
  QTableWidget* table_ = nullptr;
};

}  // namespace ostrel::ui::test

QTEST_MAIN(ostrel::ui::test::CalibrationWindowTest)
#include "calibration_window_test.moc"
