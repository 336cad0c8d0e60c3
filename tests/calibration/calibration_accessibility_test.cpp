// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The calibration window as a screen reader gets it, through Qt's accessibility interface: each
// control's name, role and description, the invalid and focused states of a refused entry, and
// the events that announce a refusal, a new point and a target's result.
#include <vector>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/calibration/calibration_window_support.h"
#include "ui/calibration_window.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

namespace ostrel::ui::test {
namespace {

struct Heard {
  QAccessible::Event type;
  QString object;  // its object name
  QString name;    // its accessible name when the event came
};

std::vector<Heard>& Events() {
  static std::vector<Heard> events;
  return events;
}

void Record(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  Events().push_back({event->type(), event->object() ? event->object()->objectName() : QString(),
                      iface ? iface->text(QAccessible::Name) : QString()});
}

// Whether a line was announced with this text: a changed name, or an alert.
bool Announced(const QString& object, const QString& text, QAccessible::Event type) {
  for (const Heard& h : Events()) {
    if (h.object == object && h.name == text && h.type == type) return true;
  }
  return false;
}

QAccessibleInterface* Interface(QWidget* window, const QString& name) {
  QObject* object = window->objectName() == name ? window : window->findChild<QObject*>(name);
  return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

}  // namespace

class CalibrationAccessibilityTest final : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    FindChartPlugin();
    UseWindowStyle();
    QAccessible::installUpdateHandler(&Record);
    // Events reach the handler only while accessibility is on, as when a screen reader runs.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
  }

  void init() {
    calculator_ = std::make_unique<MainWindow>([](Fault) { QFAIL("unexpected fault"); });
    window_ = std::make_unique<CalibrationWindow>(*calculator_);
    window_->SetPoints(FourPoints());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    Events().clear();
  }

  void cleanup() {
    window_.reset();
    calculator_.reset();
  }

  void controlsSayWhatTheyAre_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("description");  // its start
    QTest::newRow("window") << "frmCalibration"
                            << "Pressure Calibration" << int{QAccessible::Window} << "";
    QTest::newRow("new force") << "newForce"
                               << "Force (US tons)" << int{QAccessible::EditableText} << "";
    QTest::newRow("new pressure") << "newPressure"
                                  << "Pressure (GPa)" << int{QAccessible::EditableText} << "";
    QTest::newRow("new label") << "newLabel"
                               << "Label" << int{QAccessible::EditableText} << "";
    QTest::newRow("add") << "addPoint"
                         << "Add" << int{QAccessible::Button} << "";
    QTest::newRow("table") << "calibrationTable"
                           << "Calibration points" << int{QAccessible::Table} << "";
    QTest::newRow("remove") << "removePoints"
                            << "Remove selected points" << int{QAccessible::Button} << "";
    QTest::newRow("target") << "targetPressure"
                            << "Sample pressure (GPa):" << int{QAccessible::EditableText} << "";
    QTest::newRow("plot") << "calibrationChart"
                          << "Calibration plot" << int{QAccessible::Client}
                          << "Calibration plot, sample pressure against force. 4 points: 29.2 US "
                             "tons and 2.55 GPa, Bi I\u2013II; 107.9 US tons and 7.7 GPa";
    QTest::newRow("refusal line") << "calibrationRefusal"
                                  << "" << int{QAccessible::AlertMessage} << "";
    QTest::newRow("result line") << "calibrationNotice"
                                 << "" << int{QAccessible::StatusBar} << "";
  }

  void controlsSayWhatTheyAre() {
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, description);
    QAccessibleInterface* iface = Interface(window_.get(), object);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int{iface->role()}, role);
    const QString said = iface->text(QAccessible::Description);
    QVERIFY2(description.isEmpty() ? said.isEmpty() : said.startsWith(description),
             qPrintable(said));
    QVERIFY(!iface->state().invalid);
    // A placeholder is no name: each entry is labelled by the caption over it.
    if (role == QAccessible::EditableText) {
      // (A group box labels what it holds too.)
      bool captioned = false;
      for (const auto& relation : iface->relations(QAccessible::Label))
        captioned = captioned || relation.first->text(QAccessible::Name) == name;
      QVERIFY(captioned);
    }
  }

  // After force 150 and pressure -2 only the pressure is wrong: it alone is marked invalid, it
  // has the focus, and the reason is announced.
  void aRefusedEntryIsInvalidFocusedAndAnnounced() {
    auto* force = window_->findChild<QLineEdit*>(QStringLiteral("newForce"));
    auto* pressure = window_->findChild<QLineEdit*>(QStringLiteral("newPressure"));
    force->setText(QStringLiteral("abc"));
    pressure->setText(QStringLiteral("-2"));
    window_->findChild<QPushButton*>(QStringLiteral("addPoint"))->click();
    QVERIFY(Interface(window_.get(), QStringLiteral("newForce"))->state().invalid);
    QVERIFY(Interface(window_.get(), QStringLiteral("newForce"))->state().focused);

    force->setText(QStringLiteral("150"));
    window_->findChild<QPushButton*>(QStringLiteral("addPoint"))->click();
    const QString reason = QStringLiteral("New point: the pressure must be greater than zero.");
    QAccessibleInterface* p = Interface(window_.get(), QStringLiteral("newPressure"));
    QAccessibleInterface* f = Interface(window_.get(), QStringLiteral("newForce"));
    QVERIFY(p->state().invalid);
    QVERIFY(p->state().focused);
    QCOMPARE(p->text(QAccessible::Description), reason);
    QCOMPARE(p->text(QAccessible::Value), QStringLiteral("-2"));
    QVERIFY(!f->state().invalid);
    QVERIFY(!f->state().focused);
    QVERIFY(Announced(QStringLiteral("calibrationRefusal"), reason, QAccessible::Alert));
    QVERIFY(Announced(QStringLiteral("calibrationRefusal"), reason, QAccessible::NameChanged));
    bool marked = false;
    for (const Heard& h : Events())
      marked = marked || (h.type == QAccessible::StateChanged && h.object == "newPressure");
    QVERIFY(marked);

    // Corrected, the point is taken and announced; nothing stays invalid.
    pressure->setText(QStringLiteral("5"));
    window_->findChild<QPushButton*>(QStringLiteral("addPoint"))->click();
    QVERIFY(!p->state().invalid);
    const QString added = QStringLiteral("Point added: 150 US tons and 5 GPa. 5 points.");
    QVERIFY(Announced(QStringLiteral("calibrationNotice"), added, QAccessible::Alert));
    // The plot's words follow.
    QVERIFY(Interface(window_.get(), QStringLiteral("calibrationChart"))
                ->text(QAccessible::Description)
                .contains(QStringLiteral("5 points: ")));
  }

  void aTargetsResultIsAnnounced() {
    auto* target = window_->findChild<QLineEdit*>(QStringLiteral("targetPressure"));
    target->setFocus();
    QTest::keyClicks(target, QStringLiteral("9.6"));
    QTest::keyClick(target, Qt::Key_Return);
    const QString oil =
        window_->findChild<QWidget*>(QStringLiteral("targetOil"))->property("text").toString();
    const QString words =
        QStringLiteral("Target 9.6 GPa: force 146.1 US tons, oil pressure %1.").arg(oil);
    QVERIFY(Announced(QStringLiteral("calibrationNotice"), words, QAccessible::Alert));
    // Leaving the box unchanged announces nothing again.
    Events().clear();
    window_->findChild<QWidget*>(QStringLiteral("newForce"))->setFocus();
    QVERIFY(!Announced(QStringLiteral("calibrationNotice"), words, QAccessible::Alert));
  }

 private:
  std::unique_ptr<MainWindow> calculator_;
  std::unique_ptr<CalibrationWindow> window_;
};

}  // namespace ostrel::ui::test

QTEST_MAIN(ostrel::ui::test::CalibrationAccessibilityTest)
#include "calibration_accessibility_test.moc"
