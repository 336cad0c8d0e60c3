// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The top-level window with the design as a document: open, save, the modified marker and the
// save question, unusable files, recent files, the command line and Copy Results. Dialogs are
// answered by a fake; the real settings are never touched.

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <deque>
#include <memory>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/command_line.h"
#include "design/design_numbers.h"
#include "design/open_design.h"
#include "file/design_file.h"
#include "present/text_view.h"
#include "ui/document_window.h"
#include "window_test_support.h"

using ostrel::CalcState;
using ostrel::Design;
using ostrel::Fault;
using ostrel::ui::DocumentPrompts;
using ostrel::ui::DocumentWindow;
using Answer = DocumentPrompts::Answer;
using Changed = DocumentPrompts::ChangedAnswer;

Q_DECLARE_METATYPE(Fault)

namespace {

struct PromptLog {
  std::deque<Answer> answers;  // for the save questions, in turn
  QString save_path;
  QStringList questions;
  QStringList problems;
  std::deque<Changed> changed_answers;  // for "… has changed on disk", in turn
  QStringList changed_questions;
};

class FakePrompts final : public DocumentPrompts {
 public:
  explicit FakePrompts(PromptLog* log) : log_(log) {}
  Answer AskSaveChanges(QWidget*, const QString& question) override {
    log_->questions << question;
    if (log_->answers.empty()) return Answer::Cancel;
    const Answer a = log_->answers.front();
    log_->answers.pop_front();
    return a;
  }
  Changed AskOverwriteChanged(QWidget*, const QString& question) override {
    log_->changed_questions << question;
    if (log_->changed_answers.empty()) return Changed::Cancel;
    const Changed a = log_->changed_answers.front();
    log_->changed_answers.pop_front();
    return a;
  }
  void ShowProblem(QWidget*, const QString& text, const QString& detail) override {
    log_->problems << text + QLatin1Char('|') + detail;
  }
  QString ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
  QString ChooseFileToSave(QWidget*, const QString&) override { return log_->save_path; }

 private:
  PromptLog* log_;
};

struct Ui {
  PromptLog log;
  std::vector<Fault> faults;
  DocumentWindow window{std::make_unique<FakePrompts>(&log),
                        [this](Fault f) { faults.push_back(f); }};
};

// Everything the window holds: the 27 texts, the three selections, every stored float, the
// attached file, the title and the modified marker.
QString Snapshot(DocumentWindow& w, bool with_document = true) {
  QStringList parts;
  for (auto* box : w.Calculator().findChildren<QLineEdit*>()) parts << box->text();
  for (auto* option : w.Calculator().findChildren<QRadioButton*>())
    parts << QString::number(option->isChecked());
  const CalcState& s = w.Calculator().State();
  parts << QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(&s), sizeof s).toHex());
  if (with_document) {
    parts << QString::fromStdString(w.CurrentDocument().Path()) << w.windowTitle()
          << QString::number(w.isWindowModified());
  }
  return parts.join(QLatin1Char('\n'));
}

// The same design opened on the calculator without a window.
struct Headless {
  explicit Headless(const Design& d) {
    v.Attach(&h);
    (void)h.Form_Load();
    fault = ostrel::OpenDesign(d, s, v);
  }
  CalcState s;
  ostrel::TextView v;
  ostrel::Handlers h{s, v};
  Fault fault;
};

QByteArray DesignFile(const QString& units, const QString& design) {
  return QStringLiteral(R"({"format": "ostrel-design", "version": 1, "units": {%1},
    "design": {%2}})")
      .arg(units, design)
      .toUtf8();
}

const QString kUnits =
    QStringLiteral(R"("length": "Millimeters", "oilPressure": "psi", "force": "US tons")");
const QString kStartupValues = QStringLiteral(
    R"("OEL": 14, "TEL": 8, "GasketWidth": 5, "HoleDiameter": 5.6, "TCCentralDepth": 0.5,
    "TCEdgePosition": 2, "CubeSize": 25.4, "TapeThickness": 0, "RamDiameter": 431.8,
    "OilPressure": 6.897)");

}  // namespace

class DocumentWindowTest final : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<ostrel::ui::test::ModalWatchdog> watchdog_;
  std::unique_ptr<Ui> ui_;

  DocumentWindow& window() { return ui_->window; }
  QString Path(const QString& name) { return dir_->filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile f(Path(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
    return f.fileName();
  }
  QLineEdit* Box(const char* name) { return ostrel::ui::test::Child<QLineEdit>(window(), name); }
  // Types into a box and presses the section's Calc button: a stored input changes.
  void Calc(const char* box, const QString& text, const char* button) {
    Box(box)->setText(text);
    ostrel::ui::test::Child<QAbstractButton>(window(), button)->click();
  }
  void SelectOption(const char* group, int index) {
    ostrel::ui::test::Child<QRadioButton>(window(), group, index)->click();
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QLocale::setDefault(QLocale::c());
    ostrel::ui::UseWindowStyle();
  }

  void init() {
    QSettings(QStringLiteral("Ostrel"), QStringLiteral("Ostrel")).clear();
    dir_ = std::make_unique<QTemporaryDir>();
    watchdog_ = std::make_unique<ostrel::ui::test::ModalWatchdog>();
    ui_ = std::make_unique<Ui>();
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }

  void cleanup() {
    ui_.reset();
    QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
  }

  // The calculator area keeps its size and sits right under the menu bar, which Tab never
  // reaches (the layout test runs the whole focus order in this window).
  void layout_areaUnderMenuBar() {
    QWidget& area = window().Calculator();
    const int bar = window().menuBar()->height();
    QVERIFY(bar > 0);
    QCOMPARE(area.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(area.geometry(), QRect(0, bar, 836, 688));
    QCOMPARE(window().size(), QSize(836, 688 + bar));
    QCOMPARE(window().windowTitle(), QStringLiteral("Ostrel"));
    QCOMPARE(window().menuBar()->focusPolicy(), Qt::NoFocus);
  }

  void saveThenOpen_sameFloatsSelectionsTexts() {
    // A design computed throughout, as All_Calc leaves it, shown in other units.
    Calc("txtOEL", "18.3", "cmdCalc");
    Calc("txtGasketWidth", "4.7", "cmdOuterCalc");
    Calc("txtHoleDiameter", "6.01", "cmdHole");
    Calc("txtTCEdgePosition", "2.2", "cmdTCCalc");
    Calc("txtTapeThickness", "0.07", "cmdPaperAndTape");
    Calc("txtOilPressure", "123.456", "cmdRam");
    SelectOption("optDistanceUnits", 1);
    SelectOption("optOilPressureUnits", 1);
    SelectOption("optForceUnits", 0);
    const QString before = Snapshot(window(), false);
    ui_->log.save_path = Path("cell.ostrel");
    QVERIFY(window().SaveAs());
    QCOMPARE(window().windowTitle(), QStringLiteral("cell.ostrel[*] \u2014 Ostrel"));
    QVERIFY(!window().isWindowModified());
    window().NewDesign();
    QVERIFY(window().OpenFile(Path("cell.ostrel")));
    QCOMPARE(Snapshot(window(), false), before);
    QCOMPARE(window().windowTitle(), QStringLiteral("cell.ostrel[*] \u2014 Ostrel"));
    QVERIFY(!window().isWindowModified());
    QVERIFY(ui_->faults.empty() && ui_->log.problems.empty() && ui_->log.questions.empty());
  }
  // The window does what the open sequence does without it, fault and all, reported once.
  void open_appliesSequenceInOrder_data() {
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("values");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("selections");
    const QString other = QStringLiteral(R"("length": "Inches", "oilPressure": "bars",
      "force": "kN")");
    QTest::newRow("unitsDiffer") << other << kStartupValues << Fault::None << "1 1 0";
    QTest::newRow("oelZeroInAllCalc")
        << other << QString(kStartupValues).replace("14", "0") << Fault::DivisionByZero << "1 1 0";
    // The length selection's refresh cannot show a 1e9 mm ram in inches: nothing after it runs.
    QTest::newRow("tooLargeToShow")
        << other << QString(kStartupValues).replace("431.8", "1e9") << Fault::Overflow << "1 2 2";
  }

  void open_appliesSequenceInOrder() {
    QFETCH(QString, units);
    QFETCH(QString, values);
    QFETCH(Fault, fault);
    QFETCH(QString, selections);
    const QString path = Write("d.ostrel", DesignFile(units, values));
    const auto read = ostrel::file::ReadDesignFile(path.toStdString());
    QVERIFY(read.design);
    const Headless expected(*read.design);
    QCOMPARE(expected.fault, fault);
    QVERIFY(window().OpenFile(path));
    QCOMPARE(ui_->faults, fault == Fault::None ? std::vector<Fault>{} : std::vector<Fault>{fault});
    QVERIFY(std::memcmp(&window().Calculator().State(), &expected.s, sizeof(CalcState)) == 0);
    // The boxes show the design's numbers: where the sequence faulted, the inputs as stored and
    // only the results its last refresh wrote.
    const ostrel::DesignNumbers numbers =
        ostrel::DesignCalculator(window().Calculator().DecimalSeparator()).Compute(*read.design);
    for (int b = 0; b < ostrel::kBoxCount; ++b) {
      const auto box = static_cast<ostrel::Box>(b);
      QCOMPARE(window().Calculator().BoxText(box), numbers.Text(box));
      if (fault == Fault::None) QCOMPARE(numbers.Text(box), expected.v.Text(box));
    }
    QString shown;
    for (int g = 0; g < 3; ++g) {
      for (int i = 0; i < 3; ++i)
        if (window().Calculator().IsSelected(static_cast<ostrel::Group>(g), i))
          shown += QString::number(i) + ' ';
    }
    QCOMPARE(shown.trimmed(), selections);
    QCOMPARE(window().CurrentDocument().Path(), path.toStdString());
    QVERIFY(ui_->log.problems.empty());
  }

  void badFile_changesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: the path is made by the row's name
    QTest::addColumn<QString>("says");
    const QByteArray good = DesignFile(kUnits, kStartupValues);
    QTest::newRow("notJson") << QByteArray("{\n  \"format\": ,") << "line 2, column";
    QTest::newRow("array") << QByteArray("[1, 2]") << "not an object";
    QTest::newRow("format") << QByteArray(good).replace("ostrel-design", "other") << "format";
    QTest::newRow("noVersion") << QByteArray(good).replace("\"version\": 1,", "") << "version";
    QTest::newRow("version2") << QByteArray(good).replace("\"version\": 1", "\"version\": 2")
                              << "newer Ostrel";
    QTest::newRow("noKey") << QByteArray(good).replace("\"TEL\": 8,", "") << "TEL";
    QTest::newRow("string") << QByteArray(good).replace("\"OEL\": 14", "\"OEL\": \"14\"") << "OEL";
    QTest::newRow("null") << QByteArray(good).replace("6.897", "null") << "OilPressure";
    QTest::newRow("beyondFloat") << QByteArray(good).replace("431.8", "3.5e38") << "RamDiameter";
    QTest::newRow("unit") << QByteArray(good).replace("US tons", "tonnes") << "tonnes";
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("tooLarge") << good + QByteArray(1 << 20, ' ') << "1 MiB";
    QTest::newRow("folder") << QByteArray() << "folder";
    QTest::newRow("missing") << QByteArray() << "does not exist";
  }

  void badFile_changesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    // A window that is neither at start-up nor untitled: an opened design, then a change.
    QVERIFY(window().OpenFile(Write("good.ostrel", DesignFile(kUnits, kStartupValues))));
    SelectOption("optForceUnits", 1);
    Box("txtTEL")->setText(QStringLiteral("typed, not stored"));
    const QString before = Snapshot(window());
    QString path = Path(row + QStringLiteral(".ostrel"));
    if (row == QLatin1String("folder")) {
      QVERIFY(QDir().mkdir(path));
    } else if (row != QLatin1String("missing")) {
      QVERIFY(!Write(row + QStringLiteral(".ostrel"), bytes).isEmpty());
    }
    ui_->log.answers = {Answer::Discard};
    QVERIFY(!window().OpenFile(path));
    QCOMPARE(Snapshot(window()), before);
    QCOMPARE(ui_->log.problems.size(), 1);
    QVERIFY2(ui_->log.problems[0].contains(row + QStringLiteral(".ostrel")) &&
                 ui_->log.problems[0].contains(says),
             qPrintable(ui_->log.problems[0]));
    QVERIFY(ui_->faults.empty());
  }

  // Only a modified design with a file asks, and its answer decides.
  void saveQuestion_data() {
    QTest::addColumn<bool>("attached");
    QTest::addColumn<bool>("change");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");  // New went ahead
    // An untitled design that differs from the start-up design is asked about too.
    QTest::newRow("untitledChanged") << false << true << int(Answer::Discard) << true << true;
    QTest::newRow("attachedUnchanged") << true << false << 2 << false << true;
    QTest::newRow("modifiedCancel") << true << true << int(Answer::Cancel) << true << false;
    QTest::newRow("modifiedDiscard") << true << true << int(Answer::Discard) << true << true;
    QTest::newRow("modifiedSave") << true << true << int(Answer::Save) << true << true;
  }

  void saveQuestion() {
    QFETCH(bool, attached);
    QFETCH(bool, change);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    const QString path = Path("a.ostrel");
    if (attached) QVERIFY(window().SaveTo(path));
    if (change) Calc("txtOEL", "15", "cmdCalc");
    QCOMPARE(window().isWindowModified(), attached && change);
    ui_->log.answers = {Answer(answer)};
    window().NewDesign();
    const QString question = attached ? QStringLiteral("Save changes to a.ostrel?")
                                      : QStringLiteral("Save changes to Untitled?");
    QCOMPARE(ui_->log.questions, asked ? QStringList{question} : QStringList{});
    QCOMPARE(Box("txtOEL")->text(), replaced || !change ? QStringLiteral("14") : "15");
    QCOMPARE(window().windowTitle(),
             replaced ? QStringLiteral("Ostrel") : QStringLiteral("a.ostrel[*] \u2014 Ostrel"));
    if (attached) {
      const auto read = ostrel::file::ReadDesignFile(path.toStdString());
      QVERIFY(read.design);
      QCOMPARE(read.design->inputs[0], answer == int(Answer::Save) ? 15.0f : 14.0f);
    }
    // Closing asks the same way: Cancel keeps the window open.
    if (!replaced) {
      ui_->log.answers = {Answer::Cancel};
      QVERIFY(!window().close());
      QVERIFY(window().isVisible());
    } else {
      QVERIFY(window().close());
    }
  }

  // A failed save changes no file, keeps the design modified and says why.
  void failedSave_keepsOldFile_data() {
    QTest::addColumn<QString>("cause");
    QTest::newRow("diskFull") << "diskFull";
    QTest::newRow("noFolder") << "noFolder";
    QTest::newRow("notFinite") << "notFinite";
  }

  void failedSave_keepsOldFile() {
    QFETCH(QString, cause);
    QString path = Path("keep.ostrel");
    QVERIFY(window().SaveTo(path));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray kept = old.readAll();
    if (cause == QLatin1String("notFinite")) {
      SelectOption("optDistanceUnits", 1);
      const QString shown = Box("txtOEL")->text();
      Calc("txtOEL", "3e38", "cmdCalc");  // in millimetres an infinity, stored, then reported
      QCOMPARE(ui_->faults, std::vector<Fault>{Fault::Overflow});
      // Typed back as the refresh wrote it: nothing pending, so Save reaches the stored infinity.
      Box("txtOEL")->setText(shown);
    } else {
      Calc("txtOEL", "15", "cmdCalc");
    }
    if (cause == QLatin1String("noFolder")) path = Path("gone/keep.ostrel");
    // Writes beyond a few bytes fail as on a full disk.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    if (cause == QLatin1String("diskFull")) {
      std::signal(SIGXFSZ, SIG_IGN);
      limit.rlim_cur = 16;
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    const bool saved_ok = window().SaveTo(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(!saved_ok);
    QCOMPARE(ui_->log.problems.size(), 1);
    QVERIFY2(ui_->log.problems[0].contains(QStringLiteral("keep.ostrel")) &&
                 (cause != QLatin1String("notFinite") || ui_->log.problems[0].contains("OEL")),
             qPrintable(ui_->log.problems[0]));
    QFile again(Path("keep.ostrel"));
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), kept);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"keep.ostrel"});
    QVERIFY(window().isWindowModified());
    QCOMPARE(window().CurrentDocument().FileName(), std::string("keep.ostrel"));
  }

  // Save over a file that changed on disk since this window opened or saved it (another window,
  // another program) asks first: Overwrite, Save As… or Cancel; an unchanged file is not asked
  // about.
  void save_fileChangedOnDisk_asks_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<float>("kept");  // OEL in a.ostrel afterwards
    QTest::newRow("unchanged") << false << int(Changed::Cancel) << true << 15.0f;
    QTest::newRow("overwrite") << true << int(Changed::Overwrite) << true << 15.0f;
    QTest::newRow("saveAs") << true << int(Changed::SaveAs) << true << 20.0f;
    QTest::newRow("cancel") << true << int(Changed::Cancel) << false << 20.0f;
  }

  void save_fileChangedOnDisk_asks() {
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(float, kept);
    const std::string a = Path("a.ostrel").toStdString();
    QVERIFY(window().SaveTo(Path("a.ostrel")));
    if (changed) {
      // A second window opens the file and saves OEL 20.
      PromptLog other_log;
      DocumentWindow other(std::make_unique<FakePrompts>(&other_log), [](Fault) {});
      QVERIFY(other.OpenFile(Path("a.ostrel")));
      other.Calculator().findChild<QLineEdit*>(QStringLiteral("txtOEL"))->setText("20");
      other.Calculator().findChild<QAbstractButton*>(QStringLiteral("cmdCalc"))->click();
      QVERIFY(other.Save());
    }
    Calc("txtOEL", "15", "cmdCalc");
    ui_->log.changed_answers = {Changed(answer)};
    ui_->log.save_path = Path("b.ostrel");
    QCOMPARE(window().Save(), saved);
    QCOMPARE(ui_->log.changed_questions,
             changed ? QStringList{QStringLiteral("a.ostrel has changed on disk since it was "
                                                  "opened or saved here. Overwrite it with this "
                                                  "design?")}
                     : QStringList{});
    QCOMPARE(ostrel::file::ReadDesignFile(a).design->inputs[0], kept);
    const bool saved_as = answer == int(Changed::SaveAs);
    QCOMPARE(QFile::exists(Path("b.ostrel")), saved_as);
    QCOMPARE(window().CurrentDocument().FileName(),
             std::string(saved_as ? "b.ostrel" : "a.ostrel"));
    QCOMPARE(window().isWindowModified(), !saved);
    // Once saved, the file is this window's again: the next Save asks nothing.
    if (saved) {
      Calc("txtOEL", "16", "cmdCalc");
      QVERIFY(window().Save());
      QCOMPARE(ui_->log.changed_questions.size(), changed ? 1 : 0);
    }
  }

  // A pipe that took the design file's place is not replaced by Save: the save is refused and
  // the pipe stays.
  void save_pipeInTheFilesPlace_refused() {
    QVERIFY(window().SaveTo(Path("a.ostrel")));
    QVERIFY(QFile::remove(Path("a.ostrel")));
    QCOMPARE(mkfifo(QFile::encodeName(Path("a.ostrel")).constData(), 0600), 0);
    Calc("txtOEL", "15", "cmdCalc");
    QVERIFY(!window().Save());
    QCOMPARE(ui_->log.problems.size(), 1);
    QVERIFY2(ui_->log.problems[0].contains(QStringLiteral("not a regular file (it is a pipe)")),
             qPrintable(ui_->log.problems[0]));
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(Path("a.ostrel")).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
  }

  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    using Mode = ostrel::app::CommandLine::Mode;
    QTest::newRow("file") << QStringList{"ostrel", "a.ostrel"} << int(Mode::Window) << "a.ostrel";
    QTest::newRow("version") << QStringList{"ostrel", "-v"} << int(Mode::Version) << "";
    QTest::newRow("twoFiles") << QStringList{"ostrel", "a", "b"} << int(Mode::Error) << "";
    QTest::newRow("unknown") << QStringList{"ostrel", "--bogus"} << int(Mode::Error) << "";
  }

  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QString, file);
    const auto command = ostrel::app::ParseCommandLine(arguments);
    QCOMPARE(int(command.mode), mode);
    QCOMPARE(command.file, file);
  }

  // `ostrel FILE` on a good and on a bad file, as main() opens it on the new window.
  void commandLine_opensFile() {
    const QString startup = Snapshot(window());
    const QString good =
        Write("good.ostrel",
              DesignFile(kUnits, QString(kStartupValues).replace("\"OEL\": 14", "\"OEL\": 16")));
    const QString bad = Write("bad.ostrel", "{");
    QVERIFY(!window().OpenFile(ostrel::app::ParseCommandLine({"ostrel", bad}).file));
    QCOMPARE(Snapshot(window()), startup);
    QCOMPARE(ui_->log.problems.size(), 1);
    QVERIFY(window().OpenFile(ostrel::app::ParseCommandLine({"ostrel", good}).file));
    QCOMPARE(Box("txtOEL")->text(), QStringLiteral("16"));
    QCOMPARE(window().windowTitle(), QStringLiteral("good.ostrel[*] \u2014 Ostrel"));
  }

  // Newest first, each once, at most eight, kept under Ostrel/Ostrel; Clear empties it; a new
  // window starts untitled whatever was opened before.
  void recentFiles() {
    for (int i = 0; i < 10; ++i)
      QVERIFY(window().SaveTo(Path(QStringLiteral("r%1.ostrel").arg(i))));
    QVERIFY(window().OpenFile(Path("r3.ostrel")));
    QStringList expected{Path("r3.ostrel")};
    for (int i = 9; expected.size() < 8; --i)
      if (i != 3) expected << Path(QStringLiteral("r%1.ostrel").arg(i));
    QCoreApplication::processEvents();  // the list is written once the event loop is idle
    QCOMPARE(QSettings("Ostrel", "Ostrel").value("recentFiles").toStringList(), expected);
    window().UpdateRecentMenu();
    QList<QAction*> entries = window().RecentMenu()->actions();
    QCOMPARE(entries.size(), 8 + 2);
    QCOMPARE(entries[1]->text(), QStringLiteral("&2 r9.ostrel"));
    entries[1]->trigger();
    QCOMPARE(window().CurrentDocument().FileName(), std::string("r9.ostrel"));
    Ui other;
    QCOMPARE(other.window.windowTitle(), QStringLiteral("Ostrel"));
    entries.back()->trigger();
    window().UpdateRecentMenu();
    QCOMPARE(window().RecentMenu()->actions().size(), 2);
  }

  void copyResults_startupDesign() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(Box("txtOctahedronWaist"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const char* const expected =
        "Octahedron edge length\t14\tmm\nTruncation edge length\t8\tmm\n"
        "Gasket width\t5\tmm\nHole diameter\t5.6\tmm\n"
        "Thermocouple central depth\t0.5\tmm\n"
        "Thermocouple position on octahedron edge\t2\tmm\nCube size\t25.4\tmm\n"
        "Tape thickness\t0\tmm\nGasket thickness\t2.83\tmm\n"
        "Gasket inner short edge\t10\tmm\nGasket inner long edge\t14\tmm\n"
        "Octahedron volume\t1293.53\tmm³\nHole length\t11.43\tmm\n"
        "Octahedron waist\t1\tmm\nGasket outer short edge\t20\tmm\n"
        "Gasket outer long edge\t24\tmm\nTotal gasket volume\t2885\tmm³\n"
        "Hole volume\t281.55\tmm³\nSpread angle\t135.18\tdegrees\n"
        "Rake angle\t8.51\tdegrees\nPaper hole width\t20\tmm\nPaper width\t50.8\tmm\n"
        "Modified gasket thickness\t2.83\tmm\nRam diameter\t431.8\tmm\n"
        "Oil pressure\t1000\tpsi\nForce\t113.5\tUS tons\n"
        "Theoretical pressure\t9.1\tGPa\n";
    QCOMPARE(data->text(), QString::fromUtf8(expected));
    QVERIFY(data->html().contains(
        QString::fromUtf8("<tr><td>Octahedron volume</td><td>1293.53</td><td>mm³</td></tr>")));
    // Ctrl+C still copies the box's own text.
    Box("txtOctahedronWaist")->selectAll();
    QTest::keyClick(Box("txtOctahedronWaist"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1"));
  }
};

QTEST_MAIN(DocumentWindowTest)
#include "document_window_test.moc"
