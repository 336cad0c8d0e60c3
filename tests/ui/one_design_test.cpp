// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Everything the window hands out (the sheet, the copy, the drawing) is one whole design: the
// numbers of the file Save writes. Random window sessions check that after every step, and one
// test per way it used to go wrong.
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "cli/headless_calculator.h"
#include "design/design_numbers.h"
#include "file/design_file.h"
#include "painting/design_sheet.h"
#include "painting/figure_painter.h"
#include "painting/sheet.h"
#include "present/results_table.h"
#include "support/recorded_text.h"
#include "ui/accessibility.h"
#include "ui/cell_drawing_window.h"
#include "ui/document_prompts.h"
#include "ui/results_clipboard.h"
#include "ui/sheet_actions.h"
#include "window_test_support.h"

namespace ostrel::ui {
namespace {

using Answer = DocumentPrompts::Answer;

// Answers every question with `answer` and saves where `save_path` says.
class Prompts final : public DocumentPrompts {
 public:
  Answer answer = Answer::Discard;
  QString save_path;
  QStringList questions;
  QStringList problems;

  Answer AskSaveChanges(QWidget*, const QString& question) override {
    questions << question;
    return answer;
  }
  void ShowProblem(QWidget*, const QString& text, const QString&) override { problems << text; }
  QString ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
  QString ChooseFileToSave(QWidget*, const QString&) override { return save_path; }
};

QLineEdit* BoxOf(MainWindow& w, Box box) {
  for (const Control& c : kControls) {
    if (c.kind == Kind::TextBox && c.box == box)
      return w.findChild<QLineEdit*>(QString::fromStdString(ObjectName(c)));
  }
  return nullptr;
}

// A document window whose reports go wherever `sink` points.
struct Session {
  Prompts* prompts = new Prompts;
  std::vector<Fault> faults;
  std::vector<Fault>* sink = &faults;
  DocumentWindow window{std::unique_ptr<DocumentPrompts>(prompts),
                        [this](Fault f) { sink->push_back(f); }};
  MainWindow& calc() { return window.Calculator(); }
  // Typed as a user types: the box's text changes and it counts as an edit.
  void Type(ostrel::Box box, const QString& text) {
    QLineEdit* edit = BoxOf(calc(), box);
    edit->setText(text);
    emit edit->textEdited(text);
  }
  void Click(const char* button, int index = kNotInArray) {
    test::Child<QAbstractButton>(calc(), button, index)->click();
  }
};

constexpr int kDpi = 300;

QStringList SheetText(const painting::SheetContent& content) {
  // A4 at 300 dots per inch.
  ostrel::test::RecordedText page(2480, 3508, kDpi);
  QPainter painter(&page);
  painting::PaintSheet(painter, QRectF(0, 0, 2480, 3508), painting::DevicePerMm(kDpi), content);
  painter.end();
  return page.Texts();
}

// The texts of the drawing as it paints itself.
QStringList DrawingText(CellDrawingWindow& drawing) {
  ostrel::test::RecordedText device(drawing.width(), drawing.height(), drawing.logicalDpiX());
  drawing.render(&device);
  return device.Texts();
}

// The same figures painted from the numbers given, in the drawing's place and style.
QStringList FiguresText(const CellDrawingWindow& drawing, const DesignNumbers& numbers) {
  ostrel::test::RecordedText device(drawing.width(), drawing.height(), drawing.logicalDpiX());
  QPainter painter(&device);
  const double margin = drawing.fontMetrics().height();
  const painting::FigureStyle style{drawing.font(), painting::DevicePerMm(drawing.logicalDpiX())};
  painting::PaintCellFigures(
      painter, QRectF(drawing.rect()).adjusted(margin, margin / 2, -margin, -margin / 2),
      numbers.state, numbers.view, style);
  painter.end();
  return device.Texts();
}

QString Boxes(MainWindow& w) {
  QStringList texts;
  for (int i = 0; i < kBoxCount; ++i) texts << QString::fromStdString(w.BoxText(Box(i)));
  for (int g = 0; g < 3; ++g) {
    for (int i = 0; i < 3; ++i) texts << QString::number(w.IsSelected(Group(g), i));
  }
  return texts.join(QLatin1Char('|'));
}

bool IsResult(ostrel::Box box) {
  return !IsInputBox(box);
}

// A design file with these values in place of the start-up ones.
QString WriteDesign(const QString& path, std::initializer_list<std::pair<int, float>> inputs,
                    DesignUnits units = {}) {
  Design design = StartupDesign();
  design.units = units;
  for (const auto& [index, value] : inputs) design.inputs[index] = value;
  std::string error;
  return file::WriteDesignFile(path.toStdString(), design, &error) ? path : QString();
}

}  // namespace

class OneDesignTest final : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<test::ModalWatchdog> watchdog_;

  QString Path(const QString& name) const { return dir_->filePath(name); }

  // The marks are exactly the result boxes whose text differs from the design's numbers, in
  // the secondary text colour, and their descriptions say so.
  static void CheckMarks(MainWindow& w) {
    const DesignNumbers& numbers = w.Numbers();
    for (int i = 0; i < kBoxCount; ++i) {
      const auto box = static_cast<ostrel::Box>(i);
      const bool differs = IsResult(box) && w.BoxText(box) != numbers.Text(box);
      QVERIFY2(w.IsMarked(box) == differs, qPrintable(QString::number(i)));
      const QPalette palette = BoxOf(w, box)->palette();
      QCOMPARE(palette.color(QPalette::Text) == palette.color(QPalette::PlaceholderText), differs);
      QCOMPARE(BoxOf(w, box)->toolTip().contains(QStringLiteral("not recalculated")),
               differs && numbers.Computed(box));
    }
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QLocale::setDefault(QLocale::c());
    UseWindowStyle();
    // As with a screen reader running: the boxes' accessible descriptions are set only then (the
    // first question installs the window's listener for the activation).
    (void)AccessibilityListens();
    QAccessible::setActive(true);
  }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    watchdog_ = std::make_unique<test::ModalWatchdog>();
  }

  void cleanup() {
    if (watchdog_) QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  // Finding 1: a typed octahedron edge never reached the drawing, the sheet or the copy beside
  // the old gasket; a number typed into a result box never reaches them at all.
  void typedValuesNeverMixWithAnotherDesign() {
    Session s;
    CellDrawingWindow drawing(s.calc(), nullptr);
    drawing.resize(drawing.sizeHint());
    s.Type(Box::txtOEL, QStringLiteral("30"));
    QVERIFY(s.calc().IsPending(Box::txtOEL));
    // The drawing shows the stored design (14 mm), labels and shapes alike.
    const QString labels = DrawingText(drawing).join(QLatin1Char('|'));
    QVERIFY2(labels.contains(QStringLiteral("14 mm")) && !labels.contains(QStringLiteral("30 mm")),
             qPrintable(labels));
    s.Type(Box::txtTheoreticalPressure, QStringLiteral("25"));
    QVERIFY(s.calc().IsMarked(Box::txtTheoreticalPressure));
    // Copy applies the typed edge as its Calc button would, and takes the design's numbers.
    s.window.CopyResults();
    Design design = StartupDesign();
    design.inputs[0] = 30;
    cli::HeadlessCalculator print;
    QCOMPARE(print.Open(design), Fault::None);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, ResultsText(ResultRows(print.View())));
    QVERIFY(copied.contains(QStringLiteral("Octahedron edge length\t30\tmm")));
    QVERIFY(!copied.contains(QStringLiteral("\t25\tGPa")));
    // Applying the typed input ran its Calc, whose refresh rewrote every box.
    QCOMPARE(s.calc().BoxText(Box::txtTheoreticalPressure), std::string("9.1"));
    QVERIFY(s.faults.empty());
  }

  // Finding 2: a value typed into an opened design and saved with Ctrl+S was lost, unmarked
  // and unasked.
  void saveTakesTypedValuesAndTheTitleShowsThem() {
    Session s;
    const QString path = Path("cell.ostrel");
    QVERIFY(s.window.SaveTo(path));
    QVERIFY(s.window.OpenFile(path));
    QVERIFY(!s.window.isWindowModified());
    s.Type(Box::txtGasketWidth, QStringLiteral("7"));
    QVERIFY(s.window.isWindowModified());
    QVERIFY(s.window.Save());
    QVERIFY(!s.window.isWindowModified());
    const file::DesignRead read = file::ReadDesignFile(path.toStdString());
    QVERIFY(read.design);
    QCOMPARE(read.design->inputs[2], 7.0f);
    // A pending value that cannot be read stops the save with its report; the file stays.
    s.Type(Box::txtGasketWidth, QStringLiteral("abc"));
    QVERIFY(!s.window.Save());
    QCOMPARE(s.faults, std::vector<Fault>{Fault::TypeMismatch});
    QCOMPARE(file::ReadDesignFile(path.toStdString()).design->inputs[2], 7.0f);
    // Closing asks, as for any modified design.
    s.prompts->answer = Answer::Cancel;
    QVERIFY(!s.window.close());
    QCOMPARE(s.prompts->questions, QStringList{QStringLiteral("Save changes to cell.ostrel?")});
  }

  // Finding 3: after one section's Calc, the sections it did not recalculate are marked, the
  // drawing and sheet keep to one design, and Calculate All clears the marks.
  void sectionsNotRecalculatedAreMarked() {
    Session s;
    QLineEdit* outer = BoxOf(s.calc(), Box::txtOuterLongEdge);
    const QRect geometry = outer->geometry();
    const QFont font = outer->font();
    const QString text = outer->text();
    s.Type(Box::txtOEL, QStringLiteral("30"));
    s.Click("cmdCalc");
    QVERIFY(s.faults.empty());
    CheckMarks(s.calc());
    for (const Box box : {Box::txtOuterShortEdge, Box::txtOuterLongEdge, Box::txtGasketVolume}) {
      QVERIFY(s.calc().IsMarked(box));
      QVERIFY(BoxOf(s.calc(), box)->toolTip().contains(QStringLiteral("Calc -> in section 2")));
      QVERIFY(BoxOf(s.calc(), box)
                  ->accessibleDescription()
                  .contains(QStringLiteral("not recalculated")));
    }
    QVERIFY(!s.calc().IsMarked(Box::txtInnerLongEdge));
    QCOMPARE(outer->text(), text);
    QCOMPARE(outer->geometry(), geometry);
    QCOMPARE(outer->font(), font);
    // The drawing's long strip is the design's: its outer edge longer than its inner one.
    const DesignNumbers& numbers = s.calc().Numbers();
    QVERIFY(numbers.state.OuterLongEdge > numbers.state.InnerLongEdge);
    QCOMPARE(numbers.Text(Box::txtInnerLongEdge), std::string("30"));
    auto* calculate_all = s.window.findChild<QAction*>(QStringLiteral("actionCalculateAll"));
    QVERIFY(calculate_all);
    QCOMPARE(calculate_all->shortcut(), QKeySequence(Qt::Key_F9));
    calculate_all->trigger();
    for (int i = 0; i < kBoxCount; ++i) QVERIFY(!s.calc().IsMarked(Box(i)));
    QCOMPARE(outer->text(), QString::fromStdString(numbers.Text(Box::txtOuterLongEdge)));
  }

  // Finding 4: a design that faults, opened after another, kept that other design's numbers.
  void faultingDesignShowsWhatItComputedAndNoMore() {
    Session s;
    QVERIFY(s.window.OpenFile(WriteDesign(Path("inches.ostrel"), {{0, 12}}, {1, 1, 0})));
    QVERIFY(s.window.OpenFile(WriteDesign(Path("tel0.ostrel"), {{1, 0}}, {1, 1, 0})));
    QCOMPARE(s.faults, std::vector<Fault>{Fault::DivisionByZero});
    QLineEdit* pressure = BoxOf(s.calc(), Box::txtTheoreticalPressure);
    QCOMPARE(pressure->text(), QString());
    QVERIFY(pressure->toolTip().contains(QStringLiteral("not computed: Division by zero.")));
    QVERIFY(pressure->accessibleDescription().contains(QStringLiteral("not computed")));
    QCOMPARE(s.calc().BoxText(Box::txtTEL), std::string("0"));
    // Outputs are refused with the fault's report; the clipboard keeps what it had.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    s.window.CopyResults();
    QCOMPARE(s.faults, (std::vector<Fault>{Fault::DivisionByZero, Fault::DivisionByZero}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    // A fault in All_Calc leaves every result box empty; New brings the start-up design back.
    QVERIFY(s.window.OpenFile(WriteDesign(Path("overflow.ostrel"), {{0, 3e38f}})));
    for (int i = 0; i < kBoxCount; ++i) {
      const auto box = static_cast<Box>(i);
      QCOMPARE(s.calc().BoxText(box).empty(), IsResult(box));
    }
    s.window.NewDesign();
    QCOMPARE(s.calc().BoxText(Box::txtTheoreticalPressure), std::string("9.1"));
    QVERIFY(!BoxOf(s.calc(), Box::txtForce)->toolTip().contains(QStringLiteral("not computed")));
  }

  // Finding 6: a design typed into a new window was thrown away without a question.
  void untitledDesignIsAskedAbout() {
    struct Case {
      const char* name;
      std::function<void(Session&)> change;
      bool asks;
    };
    const Case cases[] = {
        {"start-up design", [](Session&) {}, false},
        {"calculated change",
         [](Session& s) {
           s.Type(Box::txtOEL, QStringLiteral("15"));
           s.Click("cmdCalc");
         },
         true},
        {"pending value", [](Session& s) { s.Type(Box::txtHoleDiameter, QStringLiteral("3")); },
         true},
        {"unit", [](Session& s) { s.Click("cmdWhichPress", 2); }, true},
    };
    for (const Case& c : cases) {
      Session s;
      c.change(s);
      s.prompts->answer = Answer::Cancel;
      QCOMPARE(s.window.close(), !c.asks);
      s.window.NewDesign();
      s.window.OpenDesign();
      const QStringList expected =
          c.asks ? QStringList(3, QStringLiteral("Save changes to Untitled?")) : QStringList{};
      QVERIFY2(s.prompts->questions == expected, c.name);
    }
  }

  // The real question: Save, Don't Save and Cancel, each with its access key.
  void saveQuestionHasAccessKeys() {
    watchdog_.reset();
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      for (QAbstractButton* button : box->buttons()) captions << button->text();
      box->escapeButton()->click();
    });
    DialogPrompts prompts;
    QCOMPARE(prompts.AskSaveChanges(nullptr, QStringLiteral("Save changes to Untitled?")),
             Answer::Cancel);
    captions.sort();
    QCOMPARE(captions, (QStringList{"&Cancel", "&Save", "Do&n't Save"}));
  }

  // Random sessions: after every step the outputs are those of the file Save writes, and the
  // calculator is where the same session without outputs is.
  void randomSessionsHandOutOneDesign() {
    const QString files[] = {
        WriteDesign(Path("good.ostrel"), {{0, 12}, {1, 6}}, {1, 1, 0}),
        WriteDesign(Path("tel0.ostrel"), {{1, 0}}),
        WriteDesign(Path("overflow.ostrel"), {{0, 3e38f}}),
        WriteDesign(Path("hole.ostrel"), {{3, 1e5f}}),
        WriteDesign(Path("ram.ostrel"), {{8, 1e9f}}, {1, 1, 0}),
    };
    const char* const texts[] = {"30", "7", "0", "abc", "1e5", "25", "12.5", "3e38", "-2", "14"};
    const char* const calcs[] = {"cmdCalc",   "cmdOuterCalc",    "cmdHole",
                                 "cmdTCCalc", "cmdPaperAndTape", "cmdRam"};
    const char* const groups[] = {"optDistanceUnits", "optOilPressureUnits", "optForceUnits"};
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4));
    const QString saved = Path("saved.ostrel");
    int outputs = 0;
    int refusals = 0;

    for (unsigned seed = 1; seed <= 6; ++seed) {
      std::mt19937 random(seed);
      const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
      };
      Session with;  // hands out every output after every step
      Session without;
      CellDrawingWindow drawing(with.calc(), nullptr);
      drawing.resize(drawing.sizeHint());
      with.prompts->save_path = saved;

      for (int step = 0; step < 30; ++step) {
        const int kind = pick(20);
        QString what;
        for (Session* s : {&with, &without}) {
          std::mt19937 copy = random;  // both sessions take the same step
          const auto same = [&copy](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(copy);
          };
          if (kind < 8) {
            const auto box = static_cast<ostrel::Box>(same(kBoxCount));
            const char* text = texts[same(std::size(texts))];
            s->Type(box, QString::fromLatin1(text));
            what = QStringLiteral("type %1 into box %2").arg(text).arg(int(box));
          } else if (kind < 13) {
            const char* button = calcs[same(std::size(calcs))];
            s->Click(button);
            what = QString::fromLatin1(button);
          } else if (kind < 15) {
            const int g = same(3);
            const int i = same(g == 0 ? 2 : 3);
            test::Child<QRadioButton>(s->calc(), groups[g], i)->click();
            what = QStringLiteral("%1 %2").arg(groups[g]).arg(i);
          } else if (kind == 15) {
            const int i = same(4);
            s->Click("cmdWhichPress", i);
            what = QStringLiteral("preset %1").arg(i);
          } else if (kind < 18) {
            const QString& file = files[same(std::size(files))];
            QVERIFY(s->window.OpenFile(file));
            what = QStringLiteral("open ") + QFileInfo(file).fileName();
          } else if (kind == 18) {
            s->window.CalculateAll();
            what = QStringLiteral("Calculate All");
          } else {
            s->window.NewDesign();
            what = QStringLiteral("New");
          }
        }
        random.discard(4);
        const QByteArray where =
            QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(what).toUtf8();

        CheckMarks(with.calc());
        if (QTest::currentTestFailed()) QFAIL(where.constData());

        // The outputs, in the session that has them; the other applies what they apply.
        std::vector<Fault> output_faults;
        std::vector<Fault> applied_faults;
        with.sink = &output_faults;
        without.sink = &applied_faults;
        const bool ready = with.window.PrepareOutput();
        const bool applied = without.calc().ApplyPending();
        with.sink = &with.faults;
        without.sink = &without.faults;
        QCOMPARE(ready, applied && with.calc().Numbers().Whole());
        if (!applied) {
          // A pending value that faults stops the output with its report, and nothing else.
          QVERIFY2(output_faults == applied_faults, where.constData());
        } else {
          // Any fault after the applied ones is the refusal of a design without whole numbers.
          std::vector<Fault> expected = applied_faults;
          if (!ready) expected.push_back(with.calc().Numbers().fault);
          QVERIFY2(output_faults == expected, where.constData());
          QVERIFY2(with.window.SaveTo(saved), where.constData());
          const file::DesignRead read = file::ReadDesignFile(saved.toStdString());
          QVERIFY2(read.design, where.constData());
          const auto sheet_of_file =
              painting::SheetOfDesign(*read.design, painting::SheetTitle(saved), when);
          QCOMPARE(sheet_of_file->Numbers().Whole(), ready);
          if (ready) {
            ++outputs;
            QCOMPARE(SheetText(SheetOfDocument(with.window, when)->Content()),
                     SheetText(sheet_of_file->Content()));
            with.window.CopyResults();
            cli::HeadlessCalculator print;
            QCOMPARE(print.Open(*read.design), Fault::None);
            QCOMPARE(QGuiApplication::clipboard()->text(), ResultsText(ResultRows(print.View())));
            QCOMPARE(DrawingText(drawing), FiguresText(drawing, sheet_of_file->Numbers()));
          } else {
            ++refusals;
            QVERIFY(DrawingText(drawing).join(' ').startsWith(
                QStringLiteral("Cannot be drawn: the design cannot be computed.")));
          }
        }
        if (QTest::currentTestFailed()) QFAIL(where.constData());

        // The calculator itself is where the session without outputs is.
        QCOMPARE(Boxes(with.calc()), Boxes(without.calc()));
        QVERIFY2(std::memcmp(&with.calc().State(), &without.calc().State(), sizeof(CalcState)) == 0,
                 where.constData());
        QVERIFY2(with.faults == without.faults, where.constData());
      }
    }
    // The sessions reached both kinds of design.
    QVERIFY(outputs > 20);
    QVERIFY(refusals > 5);
  }
};

}  // namespace ostrel::ui

QTEST_MAIN(ostrel::ui::OneDesignTest)
#include "one_design_test.moc"
