// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <QApplication>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QItemSelectionModel>
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

// The visible texts of the plot's scene among `texts`, with their places in the scene.
std::vector<std::pair<QString, QRectF>> PlotTexts(QWidget* window, const QStringList& texts) {
  std::vector<std::pair<QString, QRectF>> found;
  auto* view = window->findChild<QGraphicsView*>(QStringLiteral("calibrationChart"));
  if (!view) return found;
  for (QGraphicsItem* item : view->scene()->items()) {
    if (!item->isVisible()) continue;
    QString text;
    if (auto* simple = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) text = simple->text();
    if (auto* rich = qgraphicsitem_cast<QGraphicsTextItem*>(item)) text = rich->toPlainText();
    if (texts.contains(text)) found.emplace_back(text, item->sceneBoundingRect());
  }
  return found;
}

// Whether any two of them overlap; names them if so.
QString Overlapping(const std::vector<std::pair<QString, QRectF>>& boxes) {
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (boxes[i].second.intersects(boxes[j].second))
        return boxes[i].first + QStringLiteral(" over ") + boxes[j].first;
    }
  }
  return {};
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

  // The focus follows the layout; Tab and Shift+Tab leave the table, the arrows move in it.
  void tabAndShiftTabLeaveTheTable() {
    Activate();
    QCOMPARE(window_->focusWidget()->objectName(), QStringLiteral("newForce"));
    for (const char* next : {"newPressure", "newLabel", "addPoint", "calibrationTable",
                             "removePoints", "targetPressure"}) {
      QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
      QCOMPARE(window_->focusWidget()->objectName(), QString::fromLatin1(next));
    }
    table_->setFocus();
    table_->setCurrentCell(1, 0);
    QTest::keyClick(table_, Qt::Key_Down);
    QCOMPARE(table_->currentRow(), 2);
    QTest::keyClick(table_, Qt::Key_Tab);
    QCOMPARE(window_->focusWidget(), window_->findChild<QWidget*>(QStringLiteral("removePoints")));
    table_->setFocus();
    QTest::keyClick(table_, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(window_->focusWidget(), window_->findChild<QWidget*>(QStringLiteral("addPoint")));
    // Closed with the focus in the table, it opens again on the first entry.
    table_->setFocus();
    window_->hide();
    window_->show();
    QCOMPARE(window_->focusWidget()->objectName(), QStringLiteral("newForce"));
  }

  void deleteUndoAndRedo() {
    Activate();
    QSignalSpy edited(window_.get(), &CalibrationWindow::PointsEdited);
    table_->setFocus();
    for (const int row : {0, 2}) {
      table_->selectionModel()->select(table_->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QTest::keyClick(table_, Qt::Key_Delete);
    const QStringList kept{QStringLiteral("Bi III\u2013V"), QStringLiteral("ZnTe HP1\u2013HP2")};
    QCOMPARE(Column(table_, 2), kept);
    const QStringList all{QStringLiteral("Bi I\u2013II"), QStringLiteral("Bi III\u2013V"),
                          QStringLiteral("ZnTe LP\u2013HP1"), QStringLiteral("ZnTe HP1\u2013HP2")};
    QTest::keyClick(table_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Column(table_, 2), all);
    QTest::keyClick(table_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Column(table_, 2), kept);
    // A cell's edit too; Delete while a cell is edited is the editor's.
    TypeIntoCell(table_, 0, 2, QStringLiteral("Bi III"));
    QCOMPARE(table_->item(0, 2)->text(), QStringLiteral("Bi III"));
    table_->setFocus();
    QTest::keyClick(table_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Column(table_, 2), kept);
    QCOMPARE(edited.count(), 5);
    QCOMPARE(window_->Points().size(), std::size_t{2});
  }

  // A refusal's line comes and goes in a place of its own: nothing moves under the pointer, and
  // only the entry that is wrong is marked.
  void theWindowKeepsStillOnARefusal() {
    const auto places = [this] {
      QList<QRect> rects;
      for (const char* name : {"newForce", "newPressure", "addPoint", "calibrationTable",
                               "removePoints", "targetPressure"}) {
        auto* w = window_->findChild<QWidget*>(QString::fromLatin1(name));
        rects << QRect(w->mapTo(window_.get(), QPoint(0, 0)), w->size());
      }
      return rects;
    };
    const QList<QRect> before = places();
    auto* force = window_->findChild<QLineEdit*>(QStringLiteral("newForce"));
    auto* pressure = window_->findChild<QLineEdit*>(QStringLiteral("newPressure"));
    auto* add = window_->findChild<QPushButton*>(QStringLiteral("addPoint"));
    auto* refusal = window_->findChild<QLabel*>(QStringLiteral("calibrationRefusal"));
    force->setText(QStringLiteral("abc"));
    add->click();
    force->setText(QStringLiteral("150"));
    pressure->setText(QStringLiteral("-2"));
    add->click();
    QCoreApplication::processEvents();
    QVERIFY(refusal->isVisible());
    QCOMPARE(places(), before);
    QVERIFY(force->styleSheet().isEmpty());
    QVERIFY(!pressure->styleSheet().isEmpty());
    pressure->setText(QStringLiteral("5"));
    add->click();
    QCoreApplication::processEvents();
    QVERIFY(!refusal->isVisible());
    QCOMPARE(places(), before);
  }

  // Markers shown and hidden as points come and go: the legend is laid out anew each time.
  void legendStaysLaidOutAfterReopening() {
    const QStringList legend{"Theoretical", "Calibration", "Points", "Current", "Target"};
    window_->SetPoints({});
    QCoreApplication::processEvents();
    window_->SetPoints(FourPoints());
    QCoreApplication::processEvents();
    auto shown = PlotTexts(window_.get(), legend);
    QCOMPARE(shown.size(), std::size_t{4});
    QVERIFY2(Overlapping(shown).isEmpty(), qPrintable(Overlapping(shown)));
    auto* target = window_->findChild<QLineEdit*>(QStringLiteral("targetPressure"));
    target->setText(QStringLiteral("10"));
    emit target->editingFinished();
    QCoreApplication::processEvents();
    shown = PlotTexts(window_.get(), legend);
    QCOMPARE(shown.size(), std::size_t{5});
    QVERIFY2(Overlapping(shown).isEmpty(), qPrintable(Overlapping(shown)));
  }

  // Two points close together: their labels do not cover each other.
  void plotLabelsDoNotOverlap() {
    std::vector<CalibrationPoint> points = FourPoints();
    points.push_back({265, 2.6f, "Ba I\u2013II"});
    points.push_back({268, 2.62f, "Tl II\u2013III"});
    window_->SetPoints(points);
    QCoreApplication::processEvents();
    QStringList labels;
    for (const CalibrationPoint& p : points) labels << QString::fromStdString(p.label);
    const auto shown = PlotTexts(window_.get(), labels);
    QVERIFY(shown.size() >= 4);
    QVERIFY2(Overlapping(shown).isEmpty(), qPrintable(Overlapping(shown)));
  }

 private:
  void Activate() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  std::unique_ptr<MainWindow> calculator_;
  std::unique_ptr<CalibrationWindow> window_;
  QTableWidget* table_ = nullptr;
};

}  // namespace ostrel::ui::test

QTEST_MAIN(ostrel::ui::test::CalibrationWindowTest)
#include "calibration_window_test.moc"
