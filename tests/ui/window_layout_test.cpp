// The built window against the control table and against positions worked out by hand, the
// focus order, and whether every caption fits the rectangle it is drawn in. The calculator area
// is the reference: alone, or with OSTREL_LAYOUT_HOST=document inside the program's top-level
// window under its menu bar.

#include <climits>
#include <map>
#include <memory>
#include <string>

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
#include <QTest>

#include "window_test_support.h"

using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
using ostrel::ui::kNotInArray;
using ostrel::ui::kTabOrder;
using ostrel::ui::kTwipsPerPixel;
using ostrel::ui::MainWindow;
using ostrel::ui::ObjectName;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingDocumentWindow;
using ostrel::ui::test::RecordingWindow;

Q_DECLARE_METATYPE(Kind)

namespace {

QRect PixelRect(const Control& c) {
  return QRect(c.rect.left / kTwipsPerPixel, c.rect.top / kTwipsPerPixel,
               c.rect.width / kTwipsPerPixel, c.rect.height / kTwipsPerPixel);
}

QString Caption(const QWidget* w) {
  if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  return {};
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

  void controls_matchTable_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < ostrel::ui::kControlCount; ++i)
      QTest::newRow(ObjectName(kControls[i]).c_str()) << i;
  }

  void controls_matchTable() {
    QFETCH(int, row);
    const Control& c = kControls[row];
    QWidget* w = Child(window(), c.name, c.index);
    QVERIFY(w);
    QVERIFY(IsKind(w, c.kind));
    QCOMPARE(w->geometry(), PixelRect(c));
    QCOMPARE(Caption(w), QString::fromUtf8(c.caption));
    const QString container = c.container ? QString::fromUtf8(c.container) : QString();
    QCOMPARE(w->parentWidget() == &window() ? QString() : w->parentWidget()->objectName(),
             container);
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
      // The label names its box, for assistive technology too.
      QVERIFY(label->buddy());
      QCOMPARE(label->buddy()->accessibleName(), label->text());
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
    std::vector<QWidget*> order;
    for (const auto& r : kTabOrder) {
      QWidget* w = Child(window(), r.name, r.index);
      QVERIFY(w);
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
