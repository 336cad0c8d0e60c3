// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The built window against captions and positions worked out by hand, and against what a layout
// must satisfy whatever its table says: every control inside its frame, no clickable control
// covering another, every caption's text fitting its rectangle and clear of other controls, every
// box wide enough for what the worked designs show in it; and the focus order. The calculator area
// is the reference: alone, or with OSTREL_LAYOUT_HOST=document inside the program's top-level
// window under its menu bar.

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "present/box_labels.h"
#include "tests/support/startup_texts.h"
#include "tests/support/worked_designs.h"
#include "window_test_support.h"

using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
using ostrel::ui::kNotInArray;
using ostrel::ui::kTwipsPerPixel;
using ostrel::ui::MainWindow;
using ostrel::ui::ObjectName;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingDocumentWindow;
using ostrel::ui::test::RecordingWindow;

Q_DECLARE_METATYPE(Kind)

namespace {

// Every caption in the window, as the design shows it, by widget name. Frame7 and Frame8 have none.
const std::map<QString, QString> kCaptions = {
    {"Frame1", "1. Octahedron and cubes, and dependent gasket dimensions."},
    {"Frame2", "2. Independent gasket dimensions."},
    {"Frame3", "3.  Assembly hole in octahedron."},
    {"Frame4", "4. Thermocouple trench angles for axial thermocouple"},
    {"Frame5", "5.  Paper and Tape"},
    {"Frame6", "Pressure"},
    {"Frame7", ""},
    {"Frame8", ""},
    {"Label1", "OEL"},
    {"Label2", "TEL"},
    {"cmdCalc", "Calc ->"},
    {"Label3", "Gasket thickness"},
    {"Label5_0", "Gasket inner short edge"},
    {"Label13", "Octahedron waist"},
    {"Label5_1", "Gasket inner long edge"},
    {"Label8", "Octahedron volume"},
    {"Label4", "Gasket Width"},
    {"cmdOuterCalc", "Calc ->"},
    {"Label6", "Gasket outer short edge"},
    {"Label7", "Gasket outer long edge"},
    {"label9", "Total gasket volume"},
    {"Label10", "Hole diameter"},
    {"cmdHole", "Calc ->"},
    {"Label12", "Hole Length"},
    {"Label11", "Hole Volume"},
    {"Label14", "Central Depth"},
    {"Label15", "TC position on octahedron edge"},
    {"cmdTCCalc", "Calc ->"},
    {"Label16", "Rake Angle"},
    {"Label17", "Spread Angle"},
    {"optDistanceUnits_0", "Millimeters"},
    {"optDistanceUnits_1", "Inches"},
    {"Label18", "Cube size"},
    {"Label19", "Tape thickness"},
    {"cmdPaperAndTape", "Calc ->"},
    {"Label20", "Modified gasket thickness"},
    {"Label21", "Paper Width"},
    {"Label22", "Paper hole width"},
    {"cmdWhichPress_0", "Big Blue"},
    {"cmdWhichPress_1", "Red, Blue, Green"},
    {"cmdWhichPress_2", "Rockland"},
    {"cmdWhichPress_3", "Sumitomo at Dorvik"},
    {"Label23", "Ram diameter"},
    {"Label24", "Oil Pressure"},
    {"optOilPressureUnits_0", "MPa"},
    {"optOilPressureUnits_1", "bars"},
    {"optOilPressureUnits_2", "psi"},
    {"cmdRam", "Calc =>"},
    {"Label28", "Force"},
    {"optForceUnits_0", "kN"},
    {"optForceUnits_1", "Metric tons"},
    {"optForceUnits_2", "US tons"},
    {"Label27", "Theoretical pressure (GPa)"},
};

// A widget's rectangle in window coordinates.
QRect InWindow(const QWidget* w, const QWidget* window) {
  return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

QString Describe(const QRect& r) {
  return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where a control paints its caption's text, in its own coordinates: a label's lines wrapped at
// its width (and clipped to it), a button's line centred, an option's line after its mark,
// centred in height, a frame's line in its top border. Empty for a text box and a caption-less
// frame.
QRect PaintedText(const QWidget* w) {
  const QFontMetrics fm(w->font());
  const QStyle* style = w->style();
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    return fm.boundingRect(label->contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                           label->text()) &
           label->rect();
  }
  if (auto* button = qobject_cast<const QPushButton*>(w)) {
    return QStyle::alignedRect(button->layoutDirection(), Qt::AlignCenter,
                               fm.size(Qt::TextSingleLine, button->text()), button->rect()) &
           button->rect();
  }
  if (auto* option = qobject_cast<const QRadioButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(option);
    opt.text = option->text();
    const QRect contents = style->subElementRect(QStyle::SE_RadioButtonContents, &opt, option);
    return QStyle::alignedRect(option->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
                               fm.size(Qt::TextSingleLine, option->text()), contents) &
           option->rect();
  }
  if (auto* frame = qobject_cast<const QGroupBox*>(w)) {
    if (frame->title().isEmpty()) return {};
    QStyleOptionGroupBox opt;
    opt.initFrom(frame);
    opt.text = frame->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, frame);
  }
  return {};
}

// The widths of the text area of a box and of a text in it: Qt's line edit keeps 2 pixels
// either side of its contents and scrolls a text whose width, plus one pixel for the cursor at
// its end, exceeds the rest (checked against where the line edit puts the cursor, one width at a
// time).
int TextArea(const QLineEdit* box) {
  QStyleOptionFrame opt;
  opt.initFrom(box);
  opt.rect = box->rect();
  opt.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
  const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
  const QMargins margins = box->textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * 2;
}
int TextWidth(const QLineEdit* box, const QString& text) {
  return qRound(QFontMetricsF(box->font()).horizontalAdvance(text)) + 1;
}

QString Caption(const QWidget* w) {
  if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  return {};
}

bool IsControl(const QWidget* w) {
  return qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w);
}

bool IsKind(const QWidget* w, Kind kind) {
  switch (kind) {
    case Kind::Frame:
      return qobject_cast<const QGroupBox*>(w);
    case Kind::Label:
      return qobject_cast<const QLabel*>(w);
    case Kind::TextBox:
      return qobject_cast<const QLineEdit*>(w);
    case Kind::Button:
      return qobject_cast<const QPushButton*>(w);
    case Kind::Option:
      return qobject_cast<const QRadioButton*>(w);
  }
  return false;
}

}  // namespace

class WindowLayoutTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<RecordingWindow> ui_;
  std::unique_ptr<RecordingDocumentWindow> hosted_;
  std::unique_ptr<ModalWatchdog> watchdog_;

  MainWindow& window() { return hosted_ ? hosted_->window.Calculator() : ui_->window; }
  QWidget& topLevel() { return *window().window(); }
  const std::vector<ostrel::Fault>& faults() { return hosted_ ? hosted_->faults : ui_->faults; }

  QWidget* Focused() { return QApplication::focusWidget(); }

 private slots:
  void initTestCase() { ostrel::ui::UseWindowStyle(); }

  void init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    if (qEnvironmentVariable("OSTREL_LAYOUT_HOST") == QLatin1String("document")) {
      hosted_ = std::make_unique<RecordingDocumentWindow>();
    } else {
      ui_ = std::make_unique<RecordingWindow>();
    }
    // As with a screen reader running: the window names its controls for it only then.
    QAccessible::setActive(true);
    topLevel().show();
    QVERIFY(QTest::qWaitForWindowExposed(&topLevel()));
  }

  void cleanup() {
    ui_.reset();
    hosted_.reset();
    QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  void window_isPlainSizableTopLevelWithNoLayout() {
    QVERIFY(topLevel().isWindow());
    QVERIFY(!topLevel().inherits("QDialog"));
    QCOMPARE(topLevel().windowTitle(), QStringLiteral("Ostrel"));
    QCOMPARE(window().size(), QSize(836, 688));
    QVERIFY(!window().layout());
    QVERIFY(topLevel().minimumSize() != topLevel().maximumSize());
    QVERIFY(faults().empty());
  }

  void table_rowsAreWholePixelsAndNamesUnique() {
    std::map<std::string, int> names;
    for (const Control& c : kControls) {
      const std::string name = ObjectName(c);
      QVERIFY2(++names[name] == 1, name.c_str());
      QVERIFY2(c.rect.left % kTwipsPerPixel == 0 && c.rect.top % kTwipsPerPixel == 0 &&
                   c.rect.width % kTwipsPerPixel == 0 && c.rect.height % kTwipsPerPixel == 0,
               name.c_str());
    }
  }

  void controls_kindCounts() {
    std::map<Kind, int> counts;
    for (const Control& c : kControls) ++counts[c.kind];
    QCOMPARE(counts[Kind::Frame], 8);
    QCOMPARE(counts[Kind::Label], 27);
    QCOMPARE(counts[Kind::TextBox], 27);
    QCOMPARE(counts[Kind::Button], 10);
    QCOMPARE(counts[Kind::Option], 8);
    // The window holds exactly the tabled controls and nothing else of these kinds.
    QCOMPARE(window().findChildren<QGroupBox*>().size(), 8);
    QCOMPARE(window().findChildren<QLabel*>().size(), 27);
    QCOMPARE(window().findChildren<QLineEdit*>().size(), 27);
    QCOMPARE(window().findChildren<QPushButton*>().size(), 10);
    QCOMPARE(window().findChildren<QRadioButton*>().size(), 8);
  }

  void controls_kindAndState_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < ostrel::ui::kControlCount; ++i)
      QTest::newRow(ObjectName(kControls[i]).c_str()) << i;
  }

  void controls_kindAndState() {
    QFETCH(int, row);
    const Control& c = kControls[row];
    QWidget* w = Child(window(), c.name, c.index);
    QVERIFY(w);
    QVERIFY(IsKind(w, c.kind));
    QVERIFY(w->isVisible());

    switch (c.kind) {
      case Kind::Frame:
      case Kind::Label:
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        break;
      case Kind::TextBox: {
        auto* box = static_cast<QLineEdit*>(w);
        QVERIFY(!box->isReadOnly() && box->isEnabled());
        QCOMPARE(box->maxLength(), INT_MAX);
        break;
      }
      case Kind::Button: {
        auto* button = static_cast<QPushButton*>(w);
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
        break;
      }
      case Kind::Option:
        break;
    }
    if (c.kind == Kind::Label) {
      auto* label = static_cast<QLabel*>(w);
      QVERIFY(label->wordWrap());
      QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
      QCOMPARE(label->textFormat(), Qt::PlainText);
      // The label is its box's buddy; assistive technology reads the box by its full quantity.
      QVERIFY(label->buddy());
      QCOMPARE(label->buddy()->accessibleName(),
               QString::fromUtf8(ostrel::LabelOf(c.box).quantity));
    }
  }

  // Every caption as designed, and nothing else captioned: text boxes have none.
  void captions_asDesigned() {
    std::map<QString, QString> shown;
    for (QWidget* w : window().findChildren<QWidget*>()) {
      if (qobject_cast<QGroupBox*>(w) || qobject_cast<QLabel*>(w) ||
          qobject_cast<QAbstractButton*>(w))
        shown[w->objectName()] = Caption(w);
    }
    QCOMPARE(shown, kCaptions);
  }

  // A control inside a frame lies within it and below the caption line of its top border (16
  // pixels); a frame lies within the window.
  void controls_lieInsideTheirContainers() {
    for (QWidget* w : window().findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || !IsControl(w)) continue;
      QWidget* container = w->parentWidget();
      QRect inside = container->rect();
      if (container != &window()) inside.setTop(16);
      QVERIFY2(inside.contains(w->geometry()),
               qPrintable(w->objectName() + QStringLiteral(" at ") + Describe(w->geometry()) +
                          QStringLiteral(" outside ") + Describe(inside)));
    }
  }

  // A click lands on the control under the pointer: no two buttons, options or boxes share more
  // than the one pixel that the twips-to-pixels rounding leaves where the presets touch.
  void clickables_overlapByAtMostOnePixel() {
    std::vector<QWidget*> clickables;
    for (QWidget* w : window().findChildren<QWidget*>()) {
      if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)) clickables.push_back(w);
    }
    QCOMPARE(int(clickables.size()), 10 + 8 + 27);
    for (std::size_t i = 0; i < clickables.size(); ++i) {
      for (std::size_t j = i + 1; j < clickables.size(); ++j) {
        const QRect shared =
            InWindow(clickables[i], &window()) & InWindow(clickables[j], &window());
        QVERIFY2(
            shared.isEmpty() || std::min(shared.width(), shared.height()) <= 1,
            qPrintable(clickables[i]->objectName() + QStringLiteral(" and ") +
                       clickables[j]->objectName() + QStringLiteral(" share ") + Describe(shared)));
      }
    }
  }

  // Rectangles of labels may run into their neighbours; the text they paint must not. No
  // caption's text lies under a box, a button or an option other than its own, or under another
  // caption's text. A frame's caption is checked against the controls inside it too. One pixel is
  // allowed, as above: where a label starts on the last pixel row of the box above it (the twips
  // overlap by 15), that row is the top of the text's line, above its tallest letter.
  void captions_paintedTextClearOfOtherControls() {
    struct Painted {
      QWidget* widget;
      QRect text;      // its caption's text, in window coordinates
      QRect occupied;  // what another caption must keep clear of
    };
    std::vector<Painted> all;
    for (QWidget* w : window().findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || !IsControl(w)) continue;
      const QRect text = PaintedText(w).translated(w->mapTo(&window(), QPoint(0, 0)));
      const bool captionOnly = qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w);
      all.push_back({w, text, captionOnly ? text : InWindow(w, &window())});
    }
    int captions = 0;
    for (const Painted& p : all) {
      if (p.text.isEmpty()) continue;
      ++captions;
      for (const Painted& other : all) {
        if (other.widget == p.widget || other.widget->isAncestorOf(p.widget)) continue;
        const QRect shared = p.text & other.occupied;
        QVERIFY2(shared.isEmpty() || std::min(shared.width(), shared.height()) <= 1,
                 qPrintable(QStringLiteral("the text of ") + p.widget->objectName() + ' ' +
                            Describe(p.text) + QStringLiteral(" runs under ") +
                            other.widget->objectName() + ' ' + Describe(other.occupied)));
      }
    }
    QCOMPARE(captions, 51);
  }

  // Every box is wide enough for the widest text it shows for the worked designs, in any units:
  // measured in the box's own font, inside its frame and margins, so nothing scrolls out of view.
  void boxes_wideEnoughForTheWorkedDesigns() {
    const auto shown = ostrel::test_support::WorkedDesignTexts();
    for (const auto& t : ostrel::test_support::kStartupTexts) {
      auto* box = window().findChild<QLineEdit*>(QString::fromUtf8(t.name));
      QVERIFY2(box, t.name);
      const int area = TextArea(box);
      for (const std::string& text : shown[static_cast<int>(t.box)]) {
        const QString q = QString::fromStdString(text);
        QVERIFY2(TextWidth(box, q) <= area,
                 qPrintable(QStringLiteral("%1 shows \"%2\", %3 pixels wide, in %4")
                                .arg(t.name, q)
                                .arg(TextWidth(box, q))
                                .arg(area)));
      }
    }
  }

  // Every text box is named by exactly one label.
  void textBoxes_eachNamedByOneLabel() {
    std::map<QWidget*, int> named;
    for (QLabel* label : window().findChildren<QLabel*>()) ++named[label->buddy()];
    for (QLineEdit* box : window().findChildren<QLineEdit*>())
      QVERIFY2(named[box] == 1, qPrintable(box->objectName()));
  }

  // Window coordinates worked out by hand from the container chain.
  void absolutePositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("txtForce") << "txtForce" << QRect(720, 456, 89, 33);
    QTest::newRow("Frame7") << "Frame7" << QRect(712, 128, 105, 313);
    QTest::newRow("Frame8") << "Frame8" << QRect(712, 440, 105, 233);
    QTest::newRow("cmdWhichPress_3") << "cmdWhichPress_3" << QRect(712, 96, 105, 17);
    QTest::newRow("txtRamDiameter") << "txtRamDiameter" << QRect(720, 144, 89, 49);
    QTest::newRow("optForceUnits_2") << "optForceUnits_2" << QRect(728, 560, 81, 17);
    QTest::newRow("Label27") << "Label27" << QRect(720, 632, 81, 33);
    QTest::newRow("Label5_1") << "Label5_1" << QRect(432, 128, 145, 17);
    QTest::newRow("optDistanceUnits_1") << "optDistanceUnits_1" << QRect(568, 432, 97, 25);
    QTest::newRow("txtPaperHole") << "txtPaperHole" << QRect(464, 616, 97, 41);
    QTest::newRow("Frame5") << "Frame5" << QRect(8, 544, 689, 137);
    QTest::newRow("txtOEL") << "txtOEL" << QRect(16, 40, 81, 33);
    QTest::newRow("txtGasketVolume") << "txtGasketVolume" << QRect(568, 176, 81, 41);
    QTest::newRow("cmdHole") << "cmdHole" << QRect(152, 288, 105, 57);
    QTest::newRow("cmdWhichPress_2") << "cmdWhichPress_2" << QRect(712, 80, 105, 17);
    QTest::newRow("txtOctahedronVolume") << "txtOctahedronVolume" << QRect(568, 40, 81, 41);
  }

  void absolutePositions() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto* w = window().findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(QRect(w->mapTo(&window(), QPoint(0, 0)), w->size()), rect);
  }

  void resizing_movesNothing() {
    std::map<QWidget*, QRect> before;
    for (QWidget* w : window().findChildren<QWidget*>()) before[w] = w->geometry();
    for (const QSize size : {QSize(1200, 900), QSize(300, 200), QSize(836, 688)}) {
      topLevel().resize(size);
      QCoreApplication::processEvents();
      for (const auto& [w, rect] : before) QCOMPARE(w->geometry(), rect);
    }
    topLevel().showMaximized();
    QCoreApplication::processEvents();
    for (const auto& [w, rect] : before) QCOMPARE(w->geometry(), rect);
  }

  void font_isTheChosenOne() {
    const QFontInfo info(window().font());
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(info.pixelSize(), 10);
    auto* style = dynamic_cast<ostrel::ui::WindowStyle*>(window().style());
    QVERIFY(style);
    QCOMPARE(style->baseStyle()->name().toLower(), QStringLiteral("fusion"));
  }

  // Labels wrap at spaces inside their rectangle; a button's caption and the style's margins
  // around it, and an option's mark, gap and caption, lie inside the control.
  void captions_fit_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < ostrel::ui::kControlCount; ++i) {
      if (kControls[i].kind != Kind::TextBox && *kControls[i].caption)
        QTest::newRow(ObjectName(kControls[i]).c_str()) << i;
    }
  }

  void captions_fit() {
    QFETCH(int, row);
    const Control& c = kControls[row];
    QWidget* w = Child(window(), c.name, c.index);
    const QFontMetrics fm(w->font());
    const QString text = QString::fromUtf8(c.caption);
    const QStyle* style = w->style();
    QSize needed;
    switch (c.kind) {
      case Kind::Frame:
        needed = QSize(fm.horizontalAdvance(text), fm.height());
        break;
      case Kind::Label:
        needed = fm.boundingRect(QRect(0, 0, w->width(), INT_MAX / 2),
                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text)
                     .size();
        break;
      case Kind::Button: {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
        needed = fm.size(Qt::TextSingleLine, text) + QSize(2 * (frame + margin), 2 * frame);
        break;
      }
      case Kind::Option: {
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = text;
        needed = style->sizeFromContents(QStyle::CT_RadioButton, &option,
                                         fm.size(Qt::TextSingleLine, text), w);
        break;
      }
      case Kind::TextBox:
        break;
    }
    QVERIFY2(needed.width() <= w->width() && needed.height() <= w->height(),
             qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(w->width())
                            .arg(w->height())));
  }

  void focus_startsInOctahedronWaist() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(Focused(), Child(window(), "txtOctahedronWaist"));
  }

  // Tab runs through the focus order and wraps round; Shift+Tab runs through it backwards.
  // Qt's own convention for an exclusive group lets Tab stop at its selected option only.
  void focus_tabAndShiftTabOrder() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    // The focus order as designed, written out rather than read from the table it is built from.
    static const char* const kDesignedOrder[] = {"txtOctahedronWaist",
                                                 "txtInnerLongEdge",
                                                 "txtInnerShortEdge",
                                                 "cmdCalc",
                                                 "txtGasketThickness",
                                                 "txtTEL",
                                                 "txtOEL",
                                                 "txtOuterLongEdge",
                                                 "cmdOuterCalc",
                                                 "txtOuterShortEdge",
                                                 "txtGasketWidth",
                                                 "txtHoleLength",
                                                 "cmdHole",
                                                 "txtHoleDiameter",
                                                 "txtOctahedronVolume",
                                                 "txtHoleVolume",
                                                 "txtGasketVolume",
                                                 "txtTCCentralDepth",
                                                 "txtTCEdgePosition",
                                                 "cmdTCCalc",
                                                 "txtRakeAngle",
                                                 "txtSpreadAngle",
                                                 "txtCubeSize",
                                                 "txtTapeThickness",
                                                 "cmdPaperAndTape",
                                                 "txtModifiedGasketThickness",
                                                 "txtPaperWidth",
                                                 "txtPaperHole",
                                                 "optDistanceUnits_0",
                                                 "optDistanceUnits_1",
                                                 "optOilPressureUnits_2",
                                                 "optOilPressureUnits_1",
                                                 "optOilPressureUnits_0",
                                                 "txtOilPressure",
                                                 "optForceUnits_2",
                                                 "optForceUnits_1",
                                                 "optForceUnits_0",
                                                 "txtForce",
                                                 "txtRamDiameter",
                                                 "cmdRam",
                                                 "txtTheoreticalPressure",
                                                 "cmdWhichPress_3",
                                                 "cmdWhichPress_2",
                                                 "cmdWhichPress_1",
                                                 "cmdWhichPress_0"};
    std::vector<QWidget*> order;
    for (const char* name : kDesignedOrder) {
      auto* w = window().findChild<QWidget*>(QString::fromUtf8(name));
      QVERIFY2(w, name);
      QVERIFY(w->focusPolicy() & Qt::TabFocus);
      auto* option = qobject_cast<QRadioButton*>(w);
      if (!option || option->isChecked()) order.push_back(w);
    }
    QCOMPARE(Focused(), order.front());
    for (std::size_t i = 1; i <= order.size(); ++i) {
      QTest::keyClick(Focused(), Qt::Key_Tab);
      QCOMPARE(Focused()->objectName(), order[i % order.size()]->objectName());
    }
    for (std::size_t i = order.size(); i-- > 0;) {
      QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(Focused()->objectName(), order[i]->objectName());
    }
  }

  void focus_tabFromOelAndTheoreticalPressure_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("txtOEL") << "txtOEL"
                            << "txtOuterLongEdge";
    QTest::newRow("txtTheoreticalPressure") << "txtTheoreticalPressure"
                                            << "cmdWhichPress_3";
  }

  void focus_tabFromOelAndTheoreticalPressure() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    window().findChild<QWidget*>(from)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Tab);
    QCOMPARE(Focused()->objectName(), to);
  }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
