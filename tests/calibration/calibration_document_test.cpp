// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The tool window inside the program's window: View > Pressure Calibration, the modified marker,
// and the calibration carried by save, open and New. Dialogs are answered by a fake; the real
// settings are never touched.
#include <memory>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "painting/design_sheet.h"
#include "tests/calibration/calibration_window_support.h"
#include "ui/calibration_menu.h"
#include "ui/calibration_window.h"
#include "ui/document_window.h"
#include "ui/window_style.h"

namespace ostrel::ui::test {
namespace {

class FakePrompts final : public DocumentPrompts {
 public:
  explicit FakePrompts(QStringList* problems) : problems_(problems) {}
  Answer AskSaveChanges(QWidget*, const QString&) override { return Answer::Discard; }
  void ShowProblem(QWidget*, const QString& text, const QString&) override { *problems_ << text; }
  QString ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
  QString ChooseFileToSave(QWidget*, const QString&) override { return {}; }

 private:
  QStringList* problems_;
};

bool SamePoints(const std::vector<CalibrationPoint>& a, const std::vector<CalibrationPoint>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].force != b[i].force || a[i].pressure != b[i].pressure || a[i].label != b[i].label) {
      return false;
    }
  }
  return true;
}

}  // namespace

class CalibrationDocumentTest final : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;
  QTemporaryDir dir_;
  QStringList problems_;
  std::unique_ptr<DocumentWindow> document_;

  CalibrationWindow* Tool() {
    return document_->findChild<CalibrationWindow*>(QString(), Qt::FindDirectChildrenOnly);
  }
  void ChooseMenuEntry() {
    auto* action = document_->findChild<QAction*>(QStringLiteral("actionPressureCalibration"));
    QVERIFY(action);
    action->trigger();
  }
  void AddPoint(const char* force, const char* pressure, const char* label) {
    Tool()->findChild<QLineEdit*>(QStringLiteral("newForce"))->setText(QString::fromUtf8(force));
    Tool()
        ->findChild<QLineEdit*>(QStringLiteral("newPressure"))
        ->setText(QString::fromUtf8(pressure));
    Tool()->findChild<QLineEdit*>(QStringLiteral("newLabel"))->setText(QString::fromUtf8(label));
    QTest::mouseClick(Tool()->findChild<QPushButton*>(QStringLiteral("addPoint")), Qt::LeftButton);
  }
  int Rows() {
    return Tool()->findChild<QTableWidget*>(QStringLiteral("calibrationTable"))->rowCount();
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QLocale::setDefault(QLocale::c());
    FindChartPlugin();
    UseWindowStyle();
  }

  void init() {
    problems_.clear();
    document_ = std::make_unique<DocumentWindow>(std::make_unique<FakePrompts>(&problems_),
                                                 [](Fault) { QFAIL("unexpected fault"); });
    AddPressureCalibration(*document_);
    document_->show();
    QVERIFY(QTest::qWaitForWindowExposed(document_.get()));
  }

  void cleanup() {
    document_.reset();
    QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join('\n')));
  }

  void createdOnFirstUseOnly() {
    QVERIFY(!Tool());
    ChooseMenuEntry();
    CalibrationWindow* first = Tool();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    first->close();
    ChooseMenuEntry();
    QCOMPARE(Tool(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(document_->findChildren<CalibrationWindow*>().size(), 1);
  }

  void editsMarkTheDesignModified() {
    QVERIFY(document_->SaveTo(dir_.filePath(QStringLiteral("cell.ostrel"))));
    QVERIFY(!document_->isWindowModified());
    ChooseMenuEntry();
    AddPoint("100", "5", "Bi III\u2013V");
    QVERIFY(document_->isWindowModified());
    QCOMPARE(document_->Calibration().size(), std::size_t{1});
    // Removing it again gives back the design as saved.
    auto* table = Tool()->findChild<QTableWidget*>(QStringLiteral("calibrationTable"));
    table->selectRow(0);
    QTest::mouseClick(Tool()->findChild<QPushButton*>(QStringLiteral("removePoints")),
                      Qt::LeftButton);
    QVERIFY(!document_->isWindowModified());
    // A refused entry changes nothing, the marker included.
    AddPoint("x", "5", "");
    QVERIFY(!document_->isWindowModified());
  }

  void saveOpenAndNewCarryTheCalibration() {
    ChooseMenuEntry();
    Tool()->SetPoints(FourPoints());
    AddPoint("50", "1.5", "start");
    const std::vector<CalibrationPoint> points = document_->Calibration();
    QCOMPARE(points.size(), std::size_t{5});
    const QString path = dir_.filePath(QStringLiteral("calibrated.ostrel"));
    QVERIFY(document_->SaveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"calibration\""));

    document_->NewDesign();
    QVERIFY(document_->Calibration().empty());
    QCOMPARE(Rows(), 0);

    QVERIFY(document_->OpenFile(path));
    QVERIFY(SamePoints(document_->Calibration(), points));
    QVERIFY(SamePoints(Tool()->Points(), points));
    QCOMPARE(Rows(), 5);
    QVERIFY(!document_->isWindowModified());
  }

  // Edit > Undo and Redo act on the calibration's edits, once the tool window has some.
  void editMenuUndoesAndRedoesPointEdits() {
    auto* undo = document_->findChild<QAction*>(QStringLiteral("actionUndoCalibration"));
    auto* redo = document_->findChild<QAction*>(QStringLiteral("actionRedoCalibration"));
    QVERIFY(document_->SaveTo(dir_.filePath(QStringLiteral("cell.ostrel"))));
    ChooseMenuEntry();
    AddPoint("100", "5", "Bi III\u2013V");
    undo->trigger();
    QCOMPARE(Rows(), 0);
    QVERIFY(!document_->isWindowModified());
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    redo->trigger();
    QCOMPARE(document_->Calibration().size(), std::size_t{1});
    document_->NewDesign();  // nothing to undo in a new design
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
  }

  // Labels of close points on the sheet: no word of the calibration's block covers another.
  void sheetLabelsDoNotOverlap() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    Design design = StartupDesign();
    design.calibration = FourPoints();
    design.calibration.push_back({265, 2.6f, "Ba I\u2013II"});
    design.calibration.push_back({268, 2.62f, "Tl II\u2013III"});
    const QString pdf = dir_.filePath(QStringLiteral("close.pdf"));
    QCOMPARE(painting::WriteDesignSheet(design, QStringLiteral("cell"), pdf), QString());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString html = QString::fromUtf8(text.readAllStandardOutput());
    const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<QRectF> words;  // from the block's title on; shrunk, as neighbours on a line touch
    for (const auto& m : word.globalMatch(html)) {
      if (words.empty() && m.captured(5) != QStringLiteral("calibration")) continue;
      words.emplace_back(QPointF(m.captured(1).toDouble() + 0.3, m.captured(2).toDouble() + 0.3),
                         QPointF(m.captured(3).toDouble() - 0.3, m.captured(4).toDouble() - 0.3));
    }
    QVERIFY(words.size() > 40);
    for (std::size_t i = 0; i < words.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) QVERIFY(!words[i].intersects(words[j]));
    }
  }

  // The sheet gains the calibration's table, calibrated pressure and plot when there are points.
  void sheetShowsTheCalibration() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    for (const bool calibrated : {true, false}) {
      Design design = StartupDesign();
      if (calibrated) design.calibration = FourPoints();
      const QString pdf = dir_.filePath(QStringLiteral("sheet.pdf"));
      QCOMPARE(painting::WriteDesignSheet(design, QStringLiteral("cell"), pdf), QString());
      QProcess text;
      text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
      QVERIFY(text.waitForFinished());
      const QString sheet = QString::fromUtf8(text.readAllStandardOutput()).simplified();
      QCOMPARE(sheet.contains(QStringLiteral("Pressure calibration")), calibrated);
      QCOMPARE(sheet.contains(QStringLiteral("ZnTe LP\u2013HP1")), calibrated);
      QCOMPARE(sheet.contains(QStringLiteral("Calibrated pressure at 113.5 US tons: 7.98 GPa, "
                                             "interpolated")),
               calibrated);
      QVERIFY(sheet.contains(QStringLiteral("Theoretical pressure")));
    }
  }
};

}  // namespace ostrel::ui::test

QTEST_MAIN(ostrel::ui::test::CalibrationDocumentTest)
#include "calibration_document_test.moc"
