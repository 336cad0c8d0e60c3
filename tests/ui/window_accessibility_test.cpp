// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// What a screen reader gets through Qt's accessibility interface from every control of the
// window, from the tool windows and from a message box, and the keyboard around them: the
// window's shortcuts from each tool window, Escape, F10. Then the smaller matters of the same
// round: Save As's proposal, Open Recent's missing files, the printer's plugin, the sheet's date.

#include <map>
#include <memory>
#include <set>
#include <string>

#include <QAccessible>
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "painting/sheet.h"
#include "ui/calibration_menu.h"
#include "ui/calibration_window.h"
#include "ui/cell_drawing_window.h"
#include "ui/sheet_printer.h"
#include "window_test_support.h"

using ostrel::ui::Control;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
using ostrel::ui::ObjectName;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingDocumentWindow;

namespace {

// Every box: its name, and its description at start-up (millimetres, psi, US tons) and after
// inches, bars and kilonewtons are chosen.
struct BoxRow {
  const char* box;
  const char* name;
  const char* at_startup;
  const char* after_change;
};
constexpr BoxRow kBoxRows[] = {
    {"txtOEL", "Octahedron edge length", "input, millimetres", "input, inches"},
    {"txtTEL", "Truncation edge length", "input, millimetres", "input, inches"},
    {"txtGasketWidth", "Gasket width", "input, millimetres", "input, inches"},
    {"txtHoleDiameter", "Hole diameter", "input, millimetres", "input, inches"},
    {"txtTCCentralDepth", "Thermocouple central depth", "input, millimetres", "input, inches"},
    {"txtTCEdgePosition", "Thermocouple position on octahedron edge", "input, millimetres",
     "input, inches"},
    {"txtCubeSize", "Cube size", "input, millimetres", "input, inches"},
    {"txtTapeThickness", "Tape thickness", "input, millimetres", "input, inches"},
    {"txtGasketThickness", "Gasket thickness", "result, millimetres", "result, inches"},
    {"txtInnerShortEdge", "Gasket inner short edge", "result, millimetres", "result, inches"},
    {"txtInnerLongEdge", "Gasket inner long edge", "result, millimetres", "result, inches"},
    {"txtOctahedronVolume", "Octahedron volume", "result, cubic millimetres",
     "result, cubic inches"},
    {"txtHoleLength", "Hole length", "result, millimetres", "result, inches"},
    {"txtOctahedronWaist", "Octahedron waist", "result, millimetres", "result, inches"},
    {"txtOuterShortEdge", "Gasket outer short edge", "result, millimetres", "result, inches"},
    {"txtOuterLongEdge", "Gasket outer long edge", "result, millimetres", "result, inches"},
    {"txtGasketVolume", "Total gasket volume", "result, cubic millimetres", "result, cubic inches"},
    {"txtHoleVolume", "Hole volume", "result, cubic millimetres", "result, cubic inches"},
    {"txtSpreadAngle", "Spread angle", "result, degrees", "result, degrees"},
    {"txtRakeAngle", "Rake angle", "result, degrees", "result, degrees"},
    {"txtPaperHole", "Paper hole width", "result, millimetres", "result, inches"},
    {"txtPaperWidth", "Paper width", "result, millimetres", "result, inches"},
    {"txtModifiedGasketThickness", "Modified gasket thickness", "result, millimetres",
     "result, inches"},
    {"txtRamDiameter", "Ram diameter", "input, millimetres", "input, inches"},
    {"txtOilPressure", "Oil pressure", "input, pounds per square inch", "input, bars"},
    {"txtForce", "Force", "result, US tons", "result, kilonewtons"},
    {"txtTheoreticalPressure", "Theoretical pressure", "result, gigapascals",
     "result, gigapascals"},
};

// The controls whose name is not their caption, or that carry a description.
struct NamedRow {
  const char* object;
  const char* name;
  const char* description;
};
constexpr NamedRow kNamedRows[] = {
    {"Frame6", "Pressure", ""},
    {"Frame7", "Ram and oil pressure", ""},
    {"Frame8", "Force and theoretical pressure", ""},
    {"cmdCalc", "Calculate section 1, octahedron and cubes", ""},
    {"cmdOuterCalc", "Calculate section 2, independent gasket dimensions", ""},
    {"cmdHole", "Calculate section 3, assembly hole", ""},
    {"cmdTCCalc", "Calculate section 4, thermocouple trench angles", ""},
    {"cmdPaperAndTape", "Calculate section 5, paper and tape", ""},
    {"cmdRam", "Calculate force and theoretical pressure", ""},
    {"cmdWhichPress_0", "Big Blue", "Sets the ram diameter to 431.8 mm"},
    {"cmdWhichPress_1", "Red, Blue, Green", "Sets the ram diameter to 457.2 mm"},
    {"cmdWhichPress_2", "Rockland", "Sets the ram diameter to 431.8 mm"},
    {"cmdWhichPress_3", "Sumitomo at Dorvik", "Sets the ram diameter to 370.0 mm"},
};

// The group each option is announced in.
const std::map<std::string, QString> kOptionGroups = {
    {"optDistanceUnits", QStringLiteral("Length unit")},
    {"optOilPressureUnits", QStringLiteral("Oil pressure unit")},
    {"optForceUnits", QStringLiteral("Force unit")},
};

QAccessible::Role RoleOf(Kind kind) {
  switch (kind) {
    case Kind::Frame:
      return QAccessible::Grouping;
    case Kind::Label:
      return QAccessible::StaticText;
    case Kind::TextBox:
      return QAccessible::EditableText;
    case Kind::Button:
      return QAccessible::Button;
    case Kind::Option:
      return QAccessible::RadioButton;
  }
  return QAccessible::NoRole;
}

QAccessibleInterface* Access(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

int FocusedObjects(QAccessibleInterface* access) {
  int count = access->state().focused ? 1 : 0;
  for (int i = 0; i < access->childCount(); ++i) count += FocusedObjects(access->child(i));
  return count;
}

// Records what the window asks; cancels every dialog.
struct Asked {
  QString save_suggestion;
  QStringList problems;
};
class CancellingPrompts final : public ostrel::ui::DocumentPrompts {
 public:
  explicit CancellingPrompts(Asked* asked) : asked_(asked) {}
  Answer AskSaveChanges(QWidget*, const QString&) override { return Answer::Discard; }
  void ShowProblem(QWidget*, const QString& text, const QString&) override {
    asked_->problems << text;
  }
  QString ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
  QString ChooseFileToSave(QWidget*, const QString& suggestion) override {
    asked_->save_suggestion = suggestion;
    return {};
  }

 private:
  Asked* asked_;
};

}  // namespace

class WindowAccessibilityTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalWatchdog> watchdog_;
  std::unique_ptr<RecordingDocumentWindow> ui_;

  ostrel::ui::DocumentWindow& window() { return ui_->window; }
  ostrel::ui::MainWindow& calculator() { return ui_->window.Calculator(); }

  // What each tabled control reads as: name, role, description, and where the description
  // follows the units the one it has now.
  void CheckEveryControl(bool after_change) {
    std::map<std::string, const BoxRow*> boxes;
    for (const BoxRow& row : kBoxRows) boxes[row.box] = &row;
    std::map<std::string, const NamedRow*> named;
    for (const NamedRow& row : kNamedRows) named[row.object] = &row;
    std::set<QString> panel_names;
    for (const Control& c : kControls) {
      const std::string object = ObjectName(c);
      QWidget* widget = Child(calculator(), c.name, c.index);
      QAccessibleInterface* access = Access(widget);
      QVERIFY2(access, object.c_str());
      QCOMPARE(access->role(), RoleOf(c.kind));
      QString name = QString::fromUtf8(c.caption);
      QString description;
      if (c.kind == Kind::TextBox) {
        const BoxRow& row = *boxes.at(object);
        name = QString::fromUtf8(row.name);
        description = QString::fromUtf8(after_change ? row.after_change : row.at_startup);
      } else if (named.count(object)) {
        name = QString::fromUtf8(named.at(object)->name);
        description = QString::fromUtf8(named.at(object)->description);
      }
      QCOMPARE(access->text(QAccessible::Name), name);
      if (c.kind != Kind::Label) QCOMPARE(access->text(QAccessible::Description), description);
      if (c.kind == Kind::Frame) QVERIFY2(panel_names.insert(name).second, qPrintable(name));
      if (c.kind == Kind::Option) {
        QAccessibleInterface* group = access->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), kOptionGroups.at(c.name));
        if (c.index == 0) QVERIFY(panel_names.insert(group->text(QAccessible::Name)).second);
        QCOMPARE(bool(access->state().checked), static_cast<QRadioButton*>(widget)->isChecked());
      }
      QCOMPARE(bool(access->state().focused), widget->hasFocus());
      QCOMPARE(bool(access->state().focusable), widget->focusPolicy() != Qt::NoFocus);
    }
  }

  // The tool window becomes the one the keyboard goes to. The offscreen platform leaves a tool
  // window's owner active, as no window manager does.
  static bool Activate(QWidget* tool) {
    tool->activateWindow();
    QApplication::setActiveWindow(tool);
    return QApplication::activeWindow() == tool;
  }

  // The window's menu entries that have a shortcut, by their keys.
  std::map<QString, QAction*> Shortcuts() {
    std::map<QString, QAction*> actions;
    for (QMenu* menu : window().menuBar()->findChildren<QMenu*>()) {
      for (QAction* action : menu->actions()) {
        if (!action->shortcut().isEmpty()) actions[action->shortcut().toString()] = action;
      }
    }
    return actions;
  }

 private slots:
  void initTestCase() {
    ostrel::ui::UseWindowStyle();
    QLocale::setDefault(QLocale::c());
    // The recent files and the last folder go to a settings file of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
  }

  void init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    ui_ = std::make_unique<RecordingDocumentWindow>();
    ostrel::ui::AddPressureCalibration(window());
    // As with a screen reader running.
    QAccessible::setActive(true);
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }

  void cleanup() {
    ui_.reset();
    if (watchdog_) QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
    watchdog_.reset();
  }

  void everyControl_inTwoUnitSelections() {
    CheckEveryControl(false);
    Child<QRadioButton>(calculator(), "optDistanceUnits", 1)->click();
    Child<QRadioButton>(calculator(), "optOilPressureUnits", 1)->click();
    Child<QRadioButton>(calculator(), "optForceUnits", 0)->click();
    CheckEveryControl(true);
    QVERIFY(ui_->faults.empty());
  }

  // Inside their groupings the options still take the mouse.
  void options_takeClicks() {
    for (const Control& c : kControls) {
      if (c.kind != Kind::Option) continue;
      auto* option = Child<QRadioButton>(calculator(), c.name, c.index);
      // On its mark: a radio button takes clicks on its mark and caption only.
      QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2));
      QVERIFY2(option->isChecked(), ObjectName(c).c_str());
    }
  }

  // Named only once something listens: a window made before then names its controls then.
  void namesFollowActivation() {
    QAccessible::setActive(false);
    RecordingDocumentWindow later;
    QAccessible::setActive(true);
    QCOMPARE(Access(Child(later.window.Calculator(), "cmdRam"))->text(QAccessible::Name),
             QStringLiteral("Calculate force and theoretical pressure"));
  }

  void toolWindows_areNamedWindows() {
    QWidget* drawing = ostrel::ui::ShowCellDrawing(calculator(), &window());
    QWidget* calibration = &ostrel::ui::ShowPressureCalibration(window());
    for (auto [tool, title] :
         {std::pair{drawing, "Cell Drawing"}, std::pair{calibration, "Pressure Calibration"}}) {
      QAccessibleInterface* access = Access(tool);
      QCOMPARE(access->role(), QAccessible::Window);
      QCOMPARE(access->text(QAccessible::Name), QString::fromUtf8(title));
    }
    QCOMPARE(drawing->focusPolicy(), Qt::StrongFocus);
  }

  // The drawing's text alternative names its dimensions with the texts shown, and follows them.
  void drawing_textAlternativeFollows() {
    QWidget* drawing = ostrel::ui::ShowCellDrawing(calculator(), &window());
    const QString before = Access(drawing)->text(QAccessible::Description);
    QVERIFY2(before.startsWith(QStringLiteral("Octahedron face on the truncation: Truncation edge "
                                              "length 8 mm; Octahedron edge length 14 mm")),
             qPrintable(before));
    Child<QLineEdit>(calculator(), "txtHoleDiameter")->setText(QStringLiteral("17"));
    Child<QAbstractButton>(calculator(), "cmdHole")->click();
    const QString after = Access(drawing)->text(QAccessible::Description);
    QVERIFY2(after.contains(QStringLiteral("Hole diameter 17 mm; Flaw: Hole wider than the face: "
                                           "it covers the whole face")),
             qPrintable(after));
  }

  // Each of the window's shortcuts triggers its entry, once, from each tool window.
  void shortcuts_fromEveryToolWindow() {
    QWidget* tools[] = {ostrel::ui::ShowCellDrawing(calculator(), &window()),
                        &ostrel::ui::ShowPressureCalibration(window())};
    std::map<QString, QAction*> actions = Shortcuts();
    const char* keys[] = {"Ctrl+N", "Ctrl+O", "Ctrl+S",      "Ctrl+Shift+S",
                          "Ctrl+P", "Ctrl+Q", "Ctrl+Shift+C"};
    for (const char* key : keys) {
      QVERIFY2(actions.count(QString::fromLatin1(key)), key);
      // Only the routing is under test: the entries do nothing here.
      QObject::disconnect(actions[QString::fromLatin1(key)], &QAction::triggered, nullptr, nullptr);
    }
    for (QWidget* tool : tools) {
      QVERIFY(Activate(tool));
      for (const char* key : keys) {
        QSignalSpy spy(actions[QString::fromLatin1(key)], &QAction::triggered);
        QTest::keySequence(tool, QKeySequence(QString::fromLatin1(key)));
        QVERIFY2(spy.size() == 1, qPrintable(tool->windowTitle() + QLatin1Char(' ') + key));
      }
    }
  }

  void escape_closesEachToolWindow() {
    QWidget* tools[] = {ostrel::ui::ShowCellDrawing(calculator(), &window()),
                        &ostrel::ui::ShowPressureCalibration(window())};
    for (QWidget* tool : tools) {
      QVERIFY(Activate(tool));
      QTest::keyClick(tool, Qt::Key_Escape);
      QVERIFY2(!tool->isVisible(), qPrintable(tool->windowTitle()));
    }
    QVERIFY(window().isVisible());
  }

  // In a calibration cell's editor Escape cancels the edit, as in any table; the next one closes.
  void escape_inACellEditorCancelsTheEditFirst() {
    window().SetCalibration({{260, 2.55f, "Bi I"}});
    QWidget& tool = ostrel::ui::ShowPressureCalibration(window());
    QVERIFY(Activate(&tool));
    auto* table = tool.findChild<QTableWidget*>(QStringLiteral("calibrationTable"));
    table->setFocus();
    table->setCurrentCell(0, 2);
    table->editItem(table->item(0, 2));
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("I"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(tool.isVisible());
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Bi I"));
    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(!tool.isVisible());
  }

  // F10 opens the first menu, from a box with the focus; Tab still never reaches the bar.
  void f10_opensTheMenuBar() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QWidget* box = Child(calculator(), "txtOEL");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F10);
    QCOMPARE(window().menuBar()->activeAction(), window().menuBar()->actions().front());
    QTRY_VERIFY(QApplication::activePopupWidget());
    QApplication::activePopupWidget()->close();
    QCOMPARE(window().menuBar()->focusPolicy(), Qt::NoFocus);
  }

  // A fault report reports its button as the one focused object.
  void messageBox_hasOneFocusedObject() {
    watchdog_.reset();
    int focused = -1;
    QTimer poll;
    int waited = 0;
    // Counted once the box has the keyboard focus (or after five seconds without it).
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      QWidget* focus = QApplication::focusWidget();
      if (!(focus && box->isAncestorOf(focus)) && ++waited < 250) return;
      focused = FocusedObjects(Access(box));
      box->reject();
    });
    poll.start(20);
    ostrel::ui::ShowFaultMessage(&window(), ostrel::Fault::Overflow);
    QCOMPARE(focused, 1);
  }

  // A design never saved is proposed as Untitled.ostrel, a saved one by its own name, both in
  // a folder that exists.
  void saveAs_proposesAFileInAFolderThatExists() {
    Asked asked;
    ostrel::ui::DocumentWindow window(std::make_unique<CancellingPrompts>(&asked),
                                      [](ostrel::Fault) {});
    QVERIFY(!window.SaveAs());
    QFileInfo proposed(asked.save_suggestion);
    QCOMPARE(proposed.fileName(), QStringLiteral("Untitled.ostrel"));
    QVERIFY2(proposed.dir().exists(), qPrintable(asked.save_suggestion));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cell.ostrel"));
    QVERIFY(window.SaveTo(path));
    QVERIFY(!window.SaveAs());
    QCOMPARE(asked.save_suggestion, QFileInfo(path).absoluteFilePath());
  }

  // An entry whose file has gone is taken off Open Recent when it fails to open; one that
  // fails for another reason stays.
  void openRecent_dropsAFileThatIsGone() {
    Asked asked;
    ostrel::ui::DocumentWindow window(std::make_unique<CancellingPrompts>(&asked),
                                      [](ostrel::Fault) {});
    QTemporaryDir dir;
    const QString gone = QFileInfo(dir.filePath(QStringLiteral("gone.ostrel"))).absoluteFilePath();
    const QString broken =
        QFileInfo(dir.filePath(QStringLiteral("broken.ostrel"))).absoluteFilePath();
    window.UpdateRecentMenu();
    window.RecentMenu()->actions().back()->trigger();  // Clear Menu: earlier runs' files
    QVERIFY(window.SaveTo(gone) && window.SaveTo(broken));
    QVERIFY(QFile::remove(gone));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("{") == 1);
    file.close();
    const auto entries = [&window] {
      window.UpdateRecentMenu();
      QStringList tips;
      for (QAction* entry : window.RecentMenu()->actions())
        if (entry->toolTip().endsWith(QStringLiteral(".ostrel"))) tips << entry->toolTip();
      return tips;
    };
    QCOMPARE(entries().size(), 2);
    for (const QString& path : {gone, broken}) {
      window.UpdateRecentMenu();
      for (QAction* entry : window.RecentMenu()->actions()) {
        if (entry->toolTip() == QDir::toNativeSeparators(path)) entry->trigger();
      }
    }
    QCOMPARE(asked.problems.size(), 2);
    const QStringList left = entries();
    QVERIFY(!left.contains(QDir::toNativeSeparators(gone)));
    QVERIFY(left.contains(QDir::toNativeSeparators(broken)));
  }

  // File > Print…'s plugin loads as built, and only when asked for.
  void printer_isAPluginLoadedOnDemand() {
    const auto print_support_mapped = [] {
      QFile maps(QStringLiteral("/proc/self/maps"));
      return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
    };
    QVERIFY(!print_support_mapped());
    QCoreApplication::addLibraryPath(QStringLiteral(OSTREL_PLUGIN_BUILD_DIR));
    QString error;
    QVERIFY2(ostrel::ui::LoadSheetPrinter(&error), qPrintable(error));
    QVERIFY(print_support_mapped());
  }

  void sheetDate_isTheSameInEveryLocale() {
    const QDateTime when(QDate(2026, 12, 9), QTime(14, 5));
    for (const char* locale : {"de_DE", "en_GB", "en_US", "ar_EG"}) {
      QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
      QCOMPARE(ostrel::painting::SheetDateText(when), QStringLiteral("2026-12-09 14:05"));
    }
    QLocale::setDefault(QLocale::c());
  }
};

QTEST_MAIN(WindowAccessibilityTest)
#include "window_accessibility_test.moc"
