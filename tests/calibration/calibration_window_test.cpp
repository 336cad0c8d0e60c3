// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
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
  const QModelIndex index = table->model()->index(row, column);
  // A refused cell's editor is open already.
  if (!table->indexWidget(index)) table->editItem(table->item(row, column));
  auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
  QVERIFY(editor);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The delegate commits the editor's text from the event loop, and a refused cell's editor
  // opens again from there.
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether any two of the plot's visible texts among `texts` overlap, and how many there are.
std::pair<bool, int> Overlap(QWidget* window, const QStringList& texts) {
  std::vector<QRectF> boxes;
  for (QGraphicsItem* item : window->findChild<QGraphicsView*>()->scene()->items()) {
    auto* simple = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item);
    auto* rich = qgraphicsitem_cast<QGraphicsTextItem*>(item);
    const QString text = simple ? simple->text() : rich ? rich->toPlainText() : QString();
    if (item->isVisible() && texts.contains(text)) boxes.push_back(item->sceneBoundingRect());
  }
  bool overlap = false;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) overlap = overlap || boxes[i].intersects(boxes[j]);
  }
  return {overlap, static_cast<int>(boxes.size())};
}

// Accessible events as "type object: name", the name as it was when the event came.
QStringList& Heard() {
  static QStringList heard;
  return heard;
}

void Record(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  Heard() << QStringLiteral("%1 %2: %3")
                 .arg(int{event->type()})
                 .arg(event->object()->objectName(),
                      iface ? iface->text(QAccessible::Name) : QString());
}

QString Alert(const char* line, const QString& text) {
  return QStringLiteral("%1 %2: %3").arg(int{QAccessible::Alert}).arg(line, text);
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
    QAccessible::installUpdateHandler(&Record);
    // Events reach the handler only while accessibility is on, as when a screen reader runs.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
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

  void controlsSayWhatTheyAre_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("description");  // its start
    const auto row = [](const char* object, const char* name, QAccessible::Role role,
                        const char* description = "") {
      QTest::newRow(object) << QString::fromUtf8(name) << int{role} << QString(description);
    };
    row("frmCalibration", "Pressure Calibration", QAccessible::Window);
    // Each entry is named by the caption over it, not by its placeholder.
    row("newForce", "Force (US tons)", QAccessible::EditableText);
    row("newPressure", "Pressure (GPa)", QAccessible::EditableText);
    row("newLabel", "Label", QAccessible::EditableText);
    row("targetPressure", "Sample pressure (GPa):", QAccessible::EditableText);
    row("addPoint", "Add", QAccessible::Button);
    row("calibrationTable", "Calibration points", QAccessible::Table);
    row("calibrationChart", "Calibration plot", QAccessible::Client,
        "Calibration plot, sample pressure against force. 4 points: 29.2 US tons and 2.55 GPa, "
        "Bi I\u2013II; 107.9 US tons and 7.7 GPa");
    row("calibrationRefusal", "", QAccessible::AlertMessage);
    row("calibrationNotice", "", QAccessible::StatusBar);
  }

  void controlsSayWhatTheyAre() {
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, description);
    QAccessibleInterface* iface = Interface(QTest::currentDataTag());
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int{iface->role()}, role);
    const QString said = iface->text(QAccessible::Description);
    QVERIFY2(description.isEmpty() ? said.isEmpty() : said.startsWith(description),
             qPrintable(said));
  }

  // After a refused force, then force 150 and pressure -2, only the pressure is marked invalid;
  // it has the focus and the reason is announced. A new point and a target's result are too.
  void refusalsAndResultsAreAnnounced() {
    Activate();
    Heard().clear();
    AddPoint("abc", "");
    QVERIFY(Interface("newForce")->state().invalid);
    AddPoint("150", "-2");
    const QString reason = QStringLiteral("New point: the pressure must be greater than zero.");
    QVERIFY(Interface("newPressure")->state().invalid && Interface("newPressure")->state().focused);
    QCOMPARE(Interface("newPressure")->text(QAccessible::Description), reason);
    QVERIFY(!Interface("newForce")->state().invalid);
    QVERIFY(Heard().contains(Alert("calibrationRefusal", reason)));
    QVERIFY(Heard().contains(
        QStringLiteral("%1 newPressure: Pressure (GPa)").arg(int{QAccessible::StateChanged})));
    AddPoint("250", "15");
    QVERIFY(!Interface("newPressure")->state().invalid);
    QVERIFY(Heard().contains(Alert(
        "calibrationNotice", QStringLiteral("Point added: 250 US tons and 15 GPa. 5 points."))));
    QVERIFY(Interface("calibrationChart")->text(QAccessible::Description).contains("5 points: "));
    auto* target = window_->findChild<QLineEdit*>(QStringLiteral("targetPressure"));
    target->setText(QStringLiteral("9.6"));
    emit target->editingFinished();
    const QString oil = window_->findChild<QLabel*>(QStringLiteral("targetOil"))->text();
    QVERIFY(Heard().contains(
        Alert("calibrationNotice",
              QStringLiteral("Target 9.6 GPa: force 146.1 US tons, oil pressure %1.").arg(oil))));

    // A refused cell is edited again, in an editor marked invalid that has the focus.
    TypeIntoCell(table_, 2, 0, QStringLiteral("abc"));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && table_->viewport()->isAncestorOf(editor));
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(editor);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Point 3, Force (US tons)"));
    QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("abc"));
    QVERIFY(cell->state().invalid && cell->state().focused);
    QCOMPARE(cell->text(QAccessible::Description),
             QStringLiteral("Point 3: \u201cabc\u201d is not a number."));
    // Corrected, the editor closes and the table has the focus again.
    TypeIntoCell(table_, 2, 0, QStringLiteral("150"));
    QCOMPARE(QApplication::focusWidget(), table_);
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
    QCOMPARE(window_->focusWidget()->objectName(), QStringLiteral("removePoints"));
    table_->setFocus();
    QTest::keyClick(table_, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(window_->focusWidget()->objectName(), QStringLiteral("addPoint"));
    // Closed with the focus in the table, it opens again on the first entry.
    table_->setFocus();
    window_->hide();
    window_->show();
    QCOMPARE(window_->focusWidget()->objectName(), QStringLiteral("newForce"));
  }

  void deleteUndoAndRedo() {
    Activate();
    const QStringList all = Column(table_, 2);
    table_->setFocus();
    for (const int row : {0, 2})
      table_->selectionModel()->select(table_->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(table_, Qt::Key_Delete);
    const QStringList kept{all[1], all[3]};
    QCOMPARE(Column(table_, 2), kept);
    QTest::keyClick(table_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Column(table_, 2), all);
    QTest::keyClick(table_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Column(table_, 2), kept);
    TypeIntoCell(table_, 0, 2, QStringLiteral("Bi III"));
    table_->setFocus();
    QTest::keyClick(table_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Column(table_, 2), kept);
  }

  // The refusal's line comes and goes in a place of its own: nothing moves under the pointer.
  void theWindowKeepsStillOnARefusal() {
    const auto places = [this] {
      QList<QPoint> at;
      for (QWidget* w : window_->findChildren<QWidget*>()) at << w->mapTo(window_.get(), QPoint());
      return at;
    };
    const QList<QPoint> before = places();
    AddPoint("abc", "");
    QCoreApplication::processEvents();
    QVERIFY(window_->findChild<QLabel*>(QStringLiteral("calibrationRefusal"))->isVisible());
    QCOMPARE(places(), before);
  }

  // The legend is laid out anew as markers come and go; labels of close points do not overlap.
  void legendAndLabelsStayLaidOut() {
    std::vector<CalibrationPoint> points = FourPoints();
    points.push_back({265, 2.6f, "Ba I\u2013II"});
    points.push_back({268, 2.62f, "Tl II\u2013III"});
    window_->SetPoints({});
    QCoreApplication::processEvents();
    window_->SetPoints(points);
    auto* target = window_->findChild<QLineEdit*>(QStringLiteral("targetPressure"));
    target->setText(QStringLiteral("5"));
    emit target->editingFinished();
    QCoreApplication::processEvents();
    const QStringList legend{"Theoretical", "Calibration", "Points", "Current", "Target"};
    QCOMPARE(Overlap(window_.get(), legend), std::make_pair(false, 5));
    QStringList labels;
    for (const CalibrationPoint& p : points) labels << QString::fromStdString(p.label);
    QVERIFY(!Overlap(window_.get(), labels).first);
    QVERIFY(Overlap(window_.get(), labels).second >= 5);
  }

 private:
  void Activate() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  QAccessibleInterface* Interface(const char* name) {
    const QString n = QString::fromLatin1(name);
    return QAccessible::queryAccessibleInterface(
        window_->objectName() == n ? window_.get() : window_->findChild<QObject*>(n));
  }
  void AddPoint(const char* force, const char* pressure) {
    window_->findChild<QLineEdit*>(QStringLiteral("newForce"))->setText(force);
    window_->findChild<QLineEdit*>(QStringLiteral("newPressure"))->setText(pressure);
    window_->findChild<QPushButton*>(QStringLiteral("addPoint"))->click();
  }

  std::unique_ptr<MainWindow> calculator_;
  std::unique_ptr<CalibrationWindow> window_;
  QTableWidget* table_ = nullptr;
};

}  // namespace ostrel::ui::test

QTEST_MAIN(ostrel::ui::test::CalibrationWindowTest)
#include "calibration_window_test.moc"
