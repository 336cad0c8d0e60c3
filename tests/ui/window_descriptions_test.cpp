// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Every box's tooltip and accessible description name its quantity and the unit currently
// selected, through every option of every unit group; accessible names are the quantities' full
// names and accessible descriptions say input or result and the unit, spelt out; box texts stay
// as the refresh writes them, and the window carries its icon.

#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QAccessible>
#include <QIcon>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QSize>
#include <QTest>

#include "present/box_labels.h"
#include "window_test_support.h"

using ostrel::Fault;
using ostrel::kBoxCount;
using ostrel::Quantity;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingWindow;

namespace {

// The unit each kind of box should name after a click.
struct Units {
  const char* length;
  const char* volume;
  const char* oil;
  const char* force;
};

QString UnitOf(Quantity kind, const Units& units) {
  switch (kind) {
    case Quantity::Length:
      return QString::fromUtf8(units.length);
    case Quantity::Volume:
      return QString::fromUtf8(units.volume);
    case Quantity::Angle:
      return QStringLiteral("degrees");
    case Quantity::OilPressure:
      return QString::fromUtf8(units.oil);
    case Quantity::Force:
      return QString::fromUtf8(units.force);
    case Quantity::Pressure:
      return QStringLiteral("GPa");
  }
  return {};
}

// What each box is described as, written out here rather than taken from the tables the window
// is built from: its widget, its quantity, the kind of unit it is shown in and the caption of the
// label that names it.
struct Described {
  const char* box;
  const char* quantity;
  Quantity kind;
  const char* caption;
};
constexpr Described kDescribed[] = {
    {"txtOEL", "Octahedron edge length", Quantity::Length, "OEL"},
    {"txtTEL", "Truncation edge length", Quantity::Length, "TEL"},
    {"txtGasketWidth", "Gasket width", Quantity::Length, "Gasket Width"},
    {"txtHoleDiameter", "Hole diameter", Quantity::Length, "Hole diameter"},
    {"txtTCCentralDepth", "Thermocouple central depth", Quantity::Length, "Central Depth"},
    {"txtTCEdgePosition", "Thermocouple position on octahedron edge", Quantity::Length,
     "TC position on octahedron edge"},
    {"txtCubeSize", "Cube size", Quantity::Length, "Cube size"},
    {"txtTapeThickness", "Tape thickness", Quantity::Length, "Tape thickness"},
    {"txtGasketThickness", "Gasket thickness", Quantity::Length, "Gasket thickness"},
    {"txtInnerShortEdge", "Gasket inner short edge", Quantity::Length, "Gasket inner short edge"},
    {"txtInnerLongEdge", "Gasket inner long edge", Quantity::Length, "Gasket inner long edge"},
    {"txtOctahedronVolume", "Octahedron volume", Quantity::Volume, "Octahedron volume"},
    {"txtHoleLength", "Hole length", Quantity::Length, "Hole Length"},
    {"txtOctahedronWaist", "Octahedron waist", Quantity::Length, "Octahedron waist"},
    {"txtOuterShortEdge", "Gasket outer short edge", Quantity::Length, "Gasket outer short edge"},
    {"txtOuterLongEdge", "Gasket outer long edge", Quantity::Length, "Gasket outer long edge"},
    {"txtGasketVolume", "Total gasket volume", Quantity::Volume, "Total gasket volume"},
    {"txtHoleVolume", "Hole volume", Quantity::Volume, "Hole Volume"},
    {"txtSpreadAngle", "Spread angle", Quantity::Angle, "Spread Angle"},
    {"txtRakeAngle", "Rake angle", Quantity::Angle, "Rake Angle"},
    {"txtPaperHole", "Paper hole width", Quantity::Length, "Paper hole width"},
    {"txtPaperWidth", "Paper width", Quantity::Length, "Paper Width"},
    {"txtModifiedGasketThickness", "Modified gasket thickness", Quantity::Length,
     "Modified gasket thickness"},
    {"txtRamDiameter", "Ram diameter", Quantity::Length, "Ram diameter"},
    {"txtOilPressure", "Oil pressure", Quantity::OilPressure, "Oil Pressure"},
    {"txtForce", "Force", Quantity::Force, "Force"},
    {"txtTheoreticalPressure", "Theoretical pressure", Quantity::Pressure,
     "Theoretical pressure (GPa)"},
};

// The unit as a screen reader says it, from the short unit the tooltip shows.
QString Spoken(const QString& unit) {
  static const std::map<QString, QString> kSpoken = {
      {QStringLiteral("mm"), QStringLiteral("millimetres")},
      {QStringLiteral("in"), QStringLiteral("inches")},
      {QStringLiteral("mm\u00b3"), QStringLiteral("cubic millimetres")},
      {QStringLiteral("in\u00b3"), QStringLiteral("cubic inches")},
      {QStringLiteral("degrees"), QStringLiteral("degrees")},
      {QStringLiteral("MPa"), QStringLiteral("megapascals")},
      {QStringLiteral("bar"), QStringLiteral("bars")},
      {QStringLiteral("psi"), QStringLiteral("pounds per square inch")},
      {QStringLiteral("kN"), QStringLiteral("kilonewtons")},
      {QStringLiteral("metric tons"), QStringLiteral("metric tons")},
      {QStringLiteral("US tons"), QStringLiteral("US tons")},
      {QStringLiteral("GPa"), QStringLiteral("gigapascals")},
  };
  return kSpoken.at(unit);
}

// The boxes the user types; the others are results.
bool IsInput(const char* box) {
  static const std::set<std::string> kInputs = {"txtOEL",
                                                "txtTEL",
                                                "txtGasketWidth",
                                                "txtHoleDiameter",
                                                "txtTCCentralDepth",
                                                "txtTCEdgePosition",
                                                "txtCubeSize",
                                                "txtTapeThickness",
                                                "txtRamDiameter",
                                                "txtOilPressure"};
  return kInputs.count(box) > 0;
}

}  // namespace

class WindowDescriptionsTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalWatchdog> watchdog_;
  std::unique_ptr<RecordingWindow> ui_;

  QLineEdit* BoxWidget(const QString& name) { return ui_->window.findChild<QLineEdit*>(name); }

  void CheckAllBoxes(const Units& units) {
    QCOMPARE(int(ui_->window.findChildren<QLineEdit*>().size()), kBoxCount);
    QCOMPARE(int(std::size(kDescribed)), kBoxCount);
    for (const Described& d : kDescribed) {
      const QString name = QString::fromUtf8(d.box);
      QLineEdit* widget = BoxWidget(name);
      QVERIFY2(widget, qPrintable(name));
      const QString expected = QString::fromUtf8(d.quantity) + QStringLiteral(" (") +
                               UnitOf(d.kind, units) + QStringLiteral(")");
      QCOMPARE(widget->toolTip(), expected);
      // Assistive technology gets the quantity's full name, and whether it is typed or computed
      // with its unit spelt out.
      const QString use = IsInput(d.box) ? QStringLiteral("input, ") : QStringLiteral("result, ");
      QCOMPARE(widget->accessibleDescription(), use + Spoken(UnitOf(d.kind, units)));
      QCOMPARE(widget->accessibleName(), QString::fromUtf8(d.quantity));
    }
  }

  std::map<QString, QString> Texts() {
    std::map<QString, QString> texts;
    for (const Described& d : kDescribed) {
      const QString name = QString::fromUtf8(d.box);
      texts[name] = BoxWidget(name)->text();
    }
    return texts;
  }

 private slots:
  void initTestCase() {
    ostrel::ui::UseWindowStyle();
    QLocale::setDefault(QLocale::c());
  }

  void init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    ui_ = std::make_unique<RecordingWindow>();
    // As with a screen reader running: the window describes its boxes for it only then.
    QAccessible::setActive(true);
    ui_->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ui_->window));
  }

  void cleanup() {
    ui_.reset();
    if (watchdog_) QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  // Start-up units first, then every option of every group once, ending where it began.
  void everyUnitOption() {
    struct Step {
      const char* option;
      int index;
      Units units;
    };
    const Step steps[] = {
        {"optDistanceUnits", 1, {"in", "in\u00b3", "psi", "US tons"}},
        {"optOilPressureUnits", 0, {"in", "in\u00b3", "MPa", "US tons"}},
        {"optOilPressureUnits", 1, {"in", "in\u00b3", "bar", "US tons"}},
        {"optForceUnits", 0, {"in", "in\u00b3", "bar", "kN"}},
        {"optForceUnits", 1, {"in", "in\u00b3", "bar", "metric tons"}},
        {"optDistanceUnits", 0, {"mm", "mm\u00b3", "bar", "metric tons"}},
        {"optOilPressureUnits", 2, {"mm", "mm\u00b3", "psi", "metric tons"}},
        {"optForceUnits", 2, {"mm", "mm\u00b3", "psi", "US tons"}},
    };
    const auto startupTexts = Texts();
    CheckAllBoxes({"mm", "mm\u00b3", "psi", "US tons"});
    QCOMPARE(BoxWidget("txtOEL")->toolTip(), QStringLiteral("Octahedron edge length (mm)"));
    for (const Step& step : steps) {
      const QByteArray where = QByteArray(step.option) + '_' + QByteArray::number(step.index);
      Child<QRadioButton>(ui_->window, step.option, step.index)->click();
      CheckAllBoxes(step.units);
      if (QTest::currentTestFailed()) QFAIL(where.constData());
    }
    QVERIFY(ui_->faults.empty());
    // Back at the start-up units, every box shows exactly what it showed at start-up.
    QCOMPARE(Texts(), startupTexts);
  }

  void examplesReadAsWritten() {
    Child<QRadioButton>(ui_->window, "optDistanceUnits", 1)->click();
    QCOMPARE(BoxWidget("txtOctahedronVolume")->toolTip(),
             QStringLiteral("Octahedron volume (in\u00b3)"));
    QCOMPARE(BoxWidget("txtOilPressure")->toolTip(), QStringLiteral("Oil pressure (psi)"));
    QCOMPARE(BoxWidget("txtTheoreticalPressure")->accessibleDescription(),
             QStringLiteral("result, gigapascals"));
  }

  // A unit change whose refresh faults still changes the unit that the descriptions name.
  void unitChangeWithFaultingRefresh() {
    QLineEdit* oel = BoxWidget("txtOEL");
    oel->setText(QStringLiteral("1000000"));
    Child<QAbstractButton>(ui_->window, "cmdCalc")->click();
    QCOMPARE(ui_->faults, std::vector<Fault>{Fault::Overflow});
    Child<QRadioButton>(ui_->window, "optDistanceUnits", 1)->click();
    QCOMPARE(ui_->faults, (std::vector<Fault>{Fault::Overflow, Fault::Overflow}));
    // The box keeps a number the design cannot have: its description goes on to say so.
    QVERIFY(BoxWidget("txtOctahedronVolume")
                ->toolTip()
                .startsWith(QStringLiteral("Octahedron volume (in\u00b3) \u2014 not computed: ")));
    QCOMPARE(oel->accessibleDescription(), QStringLiteral("input, inches"));
  }

  void windowIcon() {
    const QList<QSize> sizes = ui_->window.windowIcon().availableSizes();
    for (int side : {32, 48, 256})
      QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
  }
};

QTEST_MAIN(WindowDescriptionsTest)
#include "window_descriptions_test.moc"
