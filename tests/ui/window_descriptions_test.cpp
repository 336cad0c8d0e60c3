// Every box's tooltip and accessible description name its quantity and the unit currently
// selected, through every option of every unit group; accessible names stay the labels'
// captions, box texts stay as the refresh writes them, and the window carries its icon.

#include <map>
#include <memory>
#include <vector>

#include <QIcon>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QSize>
#include <QTest>

#include "present/box_labels.h"
#include "window_test_support.h"

using ostrel::Box;
using ostrel::Fault;
using ostrel::kBoxCount;
using ostrel::kBoxLabels;
using ostrel::Quantity;
using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
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

// Each box's object name and the caption of the label that names it.
std::map<Box, std::pair<QString, QString>> BoxesAndCaptions() {
  std::map<Box, std::pair<QString, QString>> boxes;
  for (const Control& c : kControls) {
    if (c.kind == Kind::TextBox) boxes[c.box].first = QString::fromUtf8(c.name);
  }
  for (const Control& c : kControls) {
    if (c.kind == Kind::Label) boxes[c.box].second = QString::fromUtf8(c.caption);
  }
  return boxes;
}

}  // namespace

class WindowDescriptionsTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalWatchdog> watchdog_;
  std::unique_ptr<RecordingWindow> ui_;

  QLineEdit* BoxWidget(const QString& name) { return ui_->window.findChild<QLineEdit*>(name); }

  void CheckAllBoxes(const Units& units) {
    const auto boxes = BoxesAndCaptions();
    QCOMPARE(int(boxes.size()), kBoxCount);
    for (const auto& [box, names] : boxes) {
      const auto& [name, caption] = names;
      QLineEdit* widget = BoxWidget(name);
      QVERIFY2(widget, qPrintable(name));
      const auto& label = kBoxLabels[static_cast<int>(box)];
      const QString expected = QString::fromUtf8(label.quantity) + QStringLiteral(" (") +
                               UnitOf(label.kind, units) + QStringLiteral(")");
      QCOMPARE(widget->toolTip(), expected);
      QCOMPARE(widget->accessibleDescription(), expected);
      QCOMPARE(widget->accessibleName(), caption);
    }
  }

  std::map<QString, QString> Texts() {
    std::map<QString, QString> texts;
    for (const auto& [box, names] : BoxesAndCaptions()) {
      texts[names.first] = BoxWidget(names.first)->text();
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
             QStringLiteral("Theoretical pressure (GPa)"));
  }

  // A unit change whose refresh faults still changes the unit that the descriptions name.
  void unitChangeWithFaultingRefresh() {
    QLineEdit* oel = BoxWidget("txtOEL");
    oel->setText(QStringLiteral("1000000"));
    Child<QAbstractButton>(ui_->window, "cmdCalc")->click();
    QCOMPARE(ui_->faults, std::vector<Fault>{Fault::Overflow});
    Child<QRadioButton>(ui_->window, "optDistanceUnits", 1)->click();
    QCOMPARE(ui_->faults, (std::vector<Fault>{Fault::Overflow, Fault::Overflow}));
    QCOMPARE(BoxWidget("txtOctahedronVolume")->toolTip(),
             QStringLiteral("Octahedron volume (in\u00b3)"));
    QCOMPARE(oel->accessibleDescription(), QStringLiteral("Octahedron edge length (in)"));
  }

  void windowIcon() {
    const QList<QSize> sizes = ui_->window.windowIcon().availableSizes();
    for (int side : {32, 48, 256})
      QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
  }
};

QTEST_MAIN(WindowDescriptionsTest)
#include "window_descriptions_test.moc"
