// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
// The design sheet as a reader gets it: the PDF's text through pdftotext, its page through
// pdfinfo and pdftoppm; a target that cannot be written; and the calculator left as it was.

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "design/design.h"
#include "design/open_design.h"
#include "file/design_file.h"
#include "painting/design_sheet.h"
#include "painting/paper.h"
#include "painting/sheet.h"
#include "painting/sheet_pdf.h"
#include "present/handlers.h"
#include "present/results_table.h"
#include "present/sections.h"
#include "present/text_view.h"
#include "ui/cell_drawing_window.h"
#include "ui/document_window.h"
#include "ui/main_window.h"
#include "ui/sheet_output.h"

namespace ostrel {
namespace {

// Runs a poppler tool; its standard output, or a null string when it is missing or fails.
QString Run(const QString& tool, const QStringList& args) {
  if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
  QProcess process;
  process.start(tool, args);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  return out.isNull() ? QStringLiteral("") : out;
}

// What the boxes of a design show when it is opened without a window, as the sheet computes it.
std::vector<ResultRow> HeadlessRows(const Design& design) {
  CalcState s;
  TextView v(QLocale().decimalPoint().toStdString());
  Handlers h{s, v};
  v.Attach(&h);
  (void)h.Form_Load();
  (void)OpenDesign(design, s, v);
  return ResultRows(v);
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QStringList Entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

struct Snapshot {
  CalcState state;
  QStringList texts;
  Design design;
};

Snapshot Take(const ui::MainWindow& w) {
  Snapshot s{w.State(), {}, CurrentDesign(w.State(), w)};
  for (const ResultRow& row : ResultRows(w)) s.texts << QString::fromStdString(row.text);
  return s;
}

void ExpectSame(const Snapshot& a, const Snapshot& b) {
  QVERIFY(std::memcmp(&a.state, &b.state, sizeof a.state) == 0);
  QCOMPARE(a.texts, b.texts);
  QVERIFY(SameDesign(a.design, b.design));
}

}  // namespace

class SheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
  void cleanup() { QLocale::setDefault(QLocale::system()); }

  void sheetShowsEveryBoxWithItsUnit_data() {
    QTest::addColumn<int>("length_unit");
    QTest::addColumn<float>("oel");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("paper");
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("start-up design") << 0 << 14.0f << uk << "A4";
    QTest::newRow("inches, decimal comma")
        << 1 << 14.0f << QLocale(QLocale::German, QLocale::Germany) << "A4";
    QTest::newRow("start-up design, US paper")
        << 0 << 14.0f << QLocale(QLocale::English, QLocale::UnitedStates) << "letter";
    // The octahedron's volume overflows: the design has no whole set of numbers, and no sheet.
    QTest::newRow("faulted refresh, US paper")
        << 0 << 1e13f << QLocale(QLocale::English, QLocale::UnitedStates) << "letter";
  }

  void sheetShowsEveryBoxWithItsUnit() {
    QFETCH(int, length_unit);
    QFETCH(float, oel);
    QFETCH(QLocale, locale);
    QFETCH(QString, paper);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    QLocale::setDefault(locale);
    Design design = StartupDesign();
    design.units.length = length_unit;
    design.inputs[0] = oel;

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const QString error =
        painting::WriteDesignSheet(design, QStringLiteral("Untitled design"), pdf);
    if (oel == 1e13f) {
      QVERIFY2(error.contains(QStringLiteral("cannot be computed: Overflow")), qPrintable(error));
      QVERIFY(!QFileInfo::exists(pdf));
      return;
    }
    QCOMPARE(error, QString());

    const QString layout = Run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    QVERIFY(!layout.isEmpty());
    const std::vector<ResultRow> rows = HeadlessRows(design);
    QCOMPARE(static_cast<int>(rows.size()), kBoxCount);
    for (const ResultRow& row : rows) {
      // Quantity, text and unit in that order on one line of the page.
      const QString pattern =
          QRegularExpression::escape(QString::fromStdString(row.quantity)) + QStringLiteral(" +") +
          QRegularExpression::escape(QString::fromStdString(row.text)) + QStringLiteral(" +") +
          QRegularExpression::escape(QString::fromStdString(row.unit));
      QVERIFY2(layout.contains(QRegularExpression(pattern)), qPrintable(pattern));
    }
    if (length_unit == 1) QVERIFY(layout.contains(QStringLiteral("0,55118 in")));

    const QString flowing = Run(QStringLiteral("pdftotext"), {pdf, "-"}).simplified();
    QVERIFY(flowing.contains(QStringLiteral("Untitled design")));
    QVERIFY(flowing.contains(painting::ProgramVersionText()));
    for (const Section& section : kSections) {
      QVERIFY2(flowing.contains(QString::fromUtf8(section.caption).simplified()), section.caption);
    }

    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(") + paper + "\\)")),
             qPrintable(info));

    // The page renders, and has something on it.
    const QString png = dir.filePath(QStringLiteral("page"));
    QVERIFY(
        !Run(QStringLiteral("pdftoppm"), {"-png", "-r", "40", "-singlefile", pdf, png}).isNull());
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    int inked = 0;
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) inked += qGray(page.pixel(x, y)) < 128;
    }
    QVERIFY(inked > 1000);
  }

  void titleInTheMetadataAndOnThePage_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("file name") << QStringLiteral("cell.ostrel");
    // The characters a PDF string escapes, and text beyond Latin-1 in the metadata.
    QTest::newRow("parentheses and backslash") << QStringLiteral("a (b) \\ c).ostrel");
    QTest::newRow("beyond ASCII") << QString::fromUtf8("Zelle \u00fc \u2014 \u00e9.ostrel");
  }

  // The title a reader's PDF viewer shows in its window and its document properties, and the
  // program that made the file.
  void titleInTheMetadataAndOnThePage() {
    QFETCH(QString, title);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
      QSKIP("pdfinfo (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(painting::WriteDesignSheet(StartupDesign(), title, pdf), QString());
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("(^|\n)Title: +") +
                                              QRegularExpression::escape(title) + "\n")),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(
                 QStringLiteral("\nCreator: +") +
                 QRegularExpression::escape(painting::ProgramVersionText()) + "\n")),
             qPrintable(info));
    const QString flowing = Run(QStringLiteral("pdftotext"), {pdf, "-"}).simplified();
    QVERIFY2(flowing.contains(title), qPrintable(flowing));
  }

  void paperFollowsTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("paper");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << int{QPageSize::Letter};
    QTest::newRow("fr_CA") << QLocale(QLocale::French, QLocale::Canada) << int{QPageSize::Letter};
    QTest::newRow("es_MX") << QLocale(QLocale::Spanish, QLocale::Mexico) << int{QPageSize::Letter};
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                           << int{QPageSize::A4};
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << int{QPageSize::A4};
    QTest::newRow("C") << QLocale::c() << int{QPageSize::A4};
  }

  void paperFollowsTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(int, paper);
    QCOMPARE(int{painting::PaperFor(locale)}, paper);
  }

  void unwritableTargetWritesNothing_data() {
    QTest::addColumn<QString>("target");  // inside the temporary folder
    QTest::newRow("missing folder") << "no such folder/sheet.pdf";
    QTest::newRow("a folder") << "folder";
  }

  void unwritableTargetWritesNothing() {
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QStringList before = Entries(dir.path());
    const QString path = dir.filePath(target);
    const QString error = painting::WriteDesignSheet(StartupDesign(), "x", path);
    QVERIFY(error.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(Entries(dir.path()), before);
    QVERIFY(Entries(dir.filePath(QStringLiteral("folder"))).isEmpty());
  }

  // Exporting and drawing read the calculator and change nothing in it.
  void exportAndDrawingLeaveTheCalculatorAlone() {
    ui::MainWindow w([](Fault) {});
    w.SelectOption(Group::optDistanceUnits, 1);
    const Snapshot before = Take(w);
    QSignalSpy refreshed(&w, &ui::MainWindow::Refreshed);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(painting::WriteSheetPdf(pdf, ui::SheetOf(w, QStringLiteral("/a/cell.ostrel"))),
             QString());
    QVERIFY(QFileInfo(pdf).size() > 0);
    ui::CellDrawingWindow drawing(w, nullptr);
    drawing.resize(drawing.sizeHint());
    (void)drawing.grab();
    ExpectSame(before, Take(w));
    QCOMPARE(refreshed.count(), 0);
  }

  // The program's window: the drawing exists only once asked for, and neither it nor the sheet
  // touches the design's modified marker.
  void documentWindowOffersTheDrawingAndTheSheet() {
    ui::DocumentWindow window(nullptr, [](Fault) {});
    QVERIFY(window.findChild<ui::CellDrawingWindow*>() == nullptr);
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("cell.ostrel"));
    QVERIFY(window.SaveTo(design));
    window.Calculator().SelectOption(Group::optDistanceUnits, 1);
    QVERIFY(window.isWindowModified());
    const QString title = window.windowTitle();
    const Snapshot before = Take(window.Calculator());

    auto* drawing = window.findChild<QAction*>(QStringLiteral("actionCellDrawing"));
    QVERIFY(drawing && window.findChild<QAction*>(QStringLiteral("actionExportSheet")) &&
            window.findChild<QAction*>(QStringLiteral("actionPrint")));
    drawing->trigger();
    ui::CellDrawingWindow* shown = window.findChild<ui::CellDrawingWindow*>();
    QVERIFY(shown && shown->isVisible());
    const QString pdf = dir.filePath(QStringLiteral("cell.pdf"));
    QCOMPARE(painting::WriteSheetPdf(pdf, ui::SheetOf(window.Calculator(), design)), QString());

    QVERIFY(window.isWindowModified());
    QCOMPARE(window.windowTitle(), title);
    ExpectSame(before, Take(window.Calculator()));
    const QString text = Run(QStringLiteral("pdftotext"), {pdf, "-"});
    if (!text.isNull()) QVERIFY(text.contains(QStringLiteral("cell.ostrel")));
  }

  // A refresh repaints the drawing with what it changed: here the labels' unit.
  void drawingFollowsARefresh() {
    ui::MainWindow w([](Fault) {});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ui::CellDrawingWindow* drawing = ui::ShowCellDrawing(w, &w);
    QVERIFY(drawing != nullptr);
    drawing->resize(drawing->sizeHint());
    QVERIFY(QTest::qWaitForWindowExposed(drawing));
    const QImage millimetres = drawing->grab().toImage();
    auto* inches = w.findChild<QRadioButton*>(QStringLiteral("optDistanceUnits_1"));
    QVERIFY(inches);
    inches->click();
    QVERIFY(QTest::qWaitFor([&] { return drawing->grab().toImage() != millimetres; }));
    QCOMPARE(ui::ShowCellDrawing(w, &w), drawing);  // one window, created once
  }

  // The program itself, with no display: a sheet titled with the design's file name, exit 0;
  // a design it cannot read or a target it cannot write: exit 1, a message, and no file.
  void sheetFromTheCommandLine_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("written") << "cell.ostrel"
                             << "cell.pdf" << 0 << "";
    QTest::newRow("missing design") << "none.ostrel"
                                    << "cell.pdf" << 1 << "none.ostrel";
    QTest::newRow("missing folder")
        << "cell.ostrel"
        << "no folder/cell.pdf" << 1 << "The sheet could not be written";
  }

  void sheetFromTheCommandLine() {
    QFETCH(QString, design);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    Design d = StartupDesign();
    d.units.length = 1;
    std::string error;
    QVERIFY(file::WriteDesignFile(dir.filePath(QStringLiteral("cell.ostrel")).toStdString(), d,
                                  &error));
    const QStringList before = Entries(dir.path());
    QProcess ostrel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
      env.remove(QString::fromLatin1(name));
    ostrel.setProcessEnvironment(env);
    ostrel.setWorkingDirectory(dir.path());
    ostrel.start(QStringLiteral(OSTREL_PROGRAM), {QStringLiteral("--sheet"), design, target});
    QVERIFY(ostrel.waitForFinished(60000));
    QCOMPARE(ostrel.exitCode(), status);
    const QString err = QString::fromLocal8Bit(ostrel.readAllStandardError());
    if (status == 0) {
      QCOMPARE(err, QString());
      const QString text = Run(QStringLiteral("pdftotext"), {dir.filePath(target), "-"});
      if (!text.isNull()) {
        QVERIFY(text.contains(QStringLiteral("cell.ostrel")));
        QVERIFY(text.contains(QStringLiteral("0.55118")));
      }
    } else {
      QVERIFY2(err.startsWith(QStringLiteral("ostrel: ")) && err.contains(message),
               qPrintable(err));
      QCOMPARE(Entries(dir.path()), before);
    }
  }

  // --sheet refuses a target it must not write over, before reading or writing anything: the
  // design itself (by its name or through a link), a folder, a pipe, a socket, standard output
  // named as a file when it is a pipe, and an existing file that is not a PDF. Exit 2, a message
  // naming the target, and every entry as it was.
  void sheetTargetsRefused_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("itself") << "cell.ostrel"
                            << "is the design file itself; nothing was written";
    QTest::newRow("itself through a link") << "link.pdf"
                                           << "is the design file itself";
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a file; nothing was written";
    QTest::newRow("pipe") << "pipe.pdf"
                          << "it is not a regular file (it is a pipe)";
    QTest::newRow("socket") << "socket.pdf"
                            << "it is not a regular file (it is a socket)";
    QTest::newRow("standard output into a pipe") << "/dev/stdout"
                                                 << "(it is a pipe)";
    QTest::newRow("not a PDF") << "notes.txt"
                               << "exists and is not a PDF; nothing was written";
  }

  void sheetTargetsRefused() {
    QFETCH(QString, target);
    QFETCH(QString, message);
    QTemporaryDir dir;
    std::string error;
    QVERIFY(
        file::WriteDesignFile(dir.filePath("cell.ostrel").toStdString(), StartupDesign(), &error));
    QVERIFY(QFile::link(dir.filePath("cell.ostrel"), dir.filePath("link.pdf")));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.pdf")).constData(), 0600), 0);
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socket_path = QFile::encodeName(dir.filePath("socket.pdf"));
    QVERIFY(static_cast<std::size_t>(socket_path.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, socket_path.constData(), socket_path.size() + 1);
    QCOMPARE(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    QFile notes(dir.filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("my notes\n") == 9);
    notes.close();
    const QByteArray design_before = ReadAll(dir.filePath("cell.ostrel"));
    const QStringList before = Entries(dir.path());
    QProcess ostrel;
    ostrel.setWorkingDirectory(dir.path());
    ostrel.start(QStringLiteral(OSTREL_PROGRAM),
                 {QStringLiteral("--sheet"), "cell.ostrel", target});
    QVERIFY(ostrel.waitForFinished(60000));
    close(listening);
    const QString err = QString::fromLocal8Bit(ostrel.readAllStandardError());
    QCOMPARE(ostrel.exitCode(), 2);
    QVERIFY2(err.startsWith(QStringLiteral("ostrel: --sheet: \u201c")) && err.contains(message),
             qPrintable(err));
    QCOMPARE(ostrel.readAllStandardOutput(), QByteArray());
    QCOMPARE(Entries(dir.path()), before);
    QCOMPARE(ReadAll(dir.filePath("cell.ostrel")), design_before);
    QCOMPARE(ReadAll(dir.filePath("notes.txt")), QByteArray("my notes\n"));
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(dir.filePath("pipe.pdf")).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
  }

  // "-" writes the PDF to standard output, for pipelines; an existing PDF is replaced.
  void sheetToStandardOutputAndOverAPdf() {
    QTemporaryDir dir;
    std::string error;
    QVERIFY(
        file::WriteDesignFile(dir.filePath("cell.ostrel").toStdString(), StartupDesign(), &error));
    QProcess ostrel;
    ostrel.setWorkingDirectory(dir.path());
    ostrel.start(QStringLiteral(OSTREL_PROGRAM), {QStringLiteral("--sheet"), "cell.ostrel", "-"});
    QVERIFY(ostrel.waitForFinished(60000));
    QCOMPARE(ostrel.exitCode(), 0);
    const QByteArray pdf = ostrel.readAllStandardOutput();
    QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(Entries(dir.path()), QStringList{"cell.ostrel"});
    QFile old(dir.filePath("old.pdf"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("%PDF-1.4 old") == 12);
    old.close();
    ostrel.start(QStringLiteral(OSTREL_PROGRAM),
                 {QStringLiteral("--sheet"), "cell.ostrel", "old.pdf"});
    QVERIFY(ostrel.waitForFinished(60000));
    QCOMPARE(ostrel.exitCode(), 0);
    QVERIFY(ReadAll(dir.filePath("old.pdf")).size() > 1000);
  }

  // A full disk (a file-size limit, which holds for root too): the sheet is written whole or not
  // at all, the old PDF is kept and the failure said; on the command line exit 1. The same
  // writer serves File > Export Sheet as PDF.
  void sheetOnAFullDiskKeepsTheOldFile() {
    QTemporaryDir dir;
    std::string error;
    QVERIFY(
        file::WriteDesignFile(dir.filePath("cell.ostrel").toStdString(), StartupDesign(), &error));
    const QByteArray old_pdf("%PDF-1.4 the good old sheet");
    QFile old(dir.filePath("cell.pdf"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(old_pdf) == old_pdf.size());
    old.close();

    QProcess ostrel;
    ostrel.setWorkingDirectory(dir.path());
    // dash counts -f in blocks of 512 bytes: 8 KiB, less than any sheet.
    ostrel.start(QStringLiteral("/bin/sh"),
                 {"-c", "ulimit -f 16 && exec \"$0\" --sheet cell.ostrel cell.pdf",
                  QStringLiteral(OSTREL_PROGRAM)});
    QVERIFY(ostrel.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(ostrel.readAllStandardError());
    QCOMPARE(ostrel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ostrel.exitCode(), 1);
    QVERIFY2(err.contains(QStringLiteral("bytes could be written (is the disk full?)")),
             qPrintable(err));
    QCOMPARE(ReadAll(dir.filePath("cell.pdf")), old_pdf);
    QCOMPARE(Entries(dir.path()), (QStringList{"cell.ostrel", "cell.pdf"}));

    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 8192;
    setrlimit(RLIMIT_FSIZE, &limit);
    // What File > Export Sheet as PDF… writes, once its file dialog has answered.
    ui::MainWindow window([](Fault) {});
    const QString message =
        painting::WriteSheetPdf(dir.filePath("cell.pdf"), ui::SheetOf(window, "cell.ostrel"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);
    QVERIFY2(message.contains(QStringLiteral("only 8192 of its")), qPrintable(message));
    QCOMPARE(ReadAll(dir.filePath("cell.pdf")), old_pdf);
    QCOMPARE(Entries(dir.path()), (QStringList{"cell.ostrel", "cell.pdf"}));
  }

  // Whatever the state holds, the figures and the sheet paint without a fault, and a figure
  // that cannot be drawn says so.
  void anyStoredValuePaints() {
    const float values[] = {0.0f,
                            -1.0f,
                            1e-45f,
                            1e30f,
                            std::numeric_limits<float>::max(),
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    float CalcState::*const fields[] = {&CalcState::OEL,          &CalcState::TEL,
                                        &CalcState::HoleDiameter, &CalcState::GasketThickness,
                                        &CalcState::GasketWidth,  &CalcState::TapeThickness,
                                        &CalcState::OuterLongEdge};
    CalcState loaded;
    TextView view;
    Handlers handlers{loaded, view};
    view.Attach(&handlers);
    QCOMPARE(handlers.Form_Load(), Fault::None);
    QImage image(400, 560, QImage::Format_RGB32);
    for (float CalcState::*field : fields) {
      for (const float v : values) {
        CalcState s = loaded;
        s.*field = v;
        image.fill(Qt::white);
        QPainter p(&image);
        painting::PaintCellFigures(p, QRectF(0, 0, 400, 280), s, view,
                                   painting::FigureStyle{QFont(), 96 / 25.4});
        painting::SheetContent content;
        content.state = &s;
        content.view = &view;
        painting::PaintSheet(p, QRectF(0, 280, 200, 280), 200 / 210.0, content);
      }
    }
  }
};

}  // namespace ostrel

QTEST_MAIN(ostrel::SheetTest)
#include "sheet_test.moc"
