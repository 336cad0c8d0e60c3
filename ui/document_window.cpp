// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/document_window.h"

#include <utility>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>

#include "file/design_file.h"
#include "present/results_table.h"
#include "ui/results_clipboard.h"
#include "ui/screen_fit.h"
#include "ui/sheet_actions.h"
#include "ui/tool_windows.h"

namespace ostrel::ui {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A path as the file layer takes it: the bytes the system knows it by.
std::string Local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// The platform's own key sequence; where it has none (Save As and Quit under some desktops), the
// one most Linux programs use.
QKeySequence Keys(QKeySequence::StandardKey key, QKeyCombination fallback) {
  const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
  return bindings.isEmpty() ? QKeySequence(fallback) : bindings.front();
}

}  // namespace

DocumentWindow::DocumentWindow(std::unique_ptr<DocumentPrompts> prompts,
                               MainWindow::FaultReport report)
    : prompts_(prompts ? std::move(prompts) : std::make_unique<DialogPrompts>()),
      calculator_(report ? new MainWindow(std::move(report)) : new MainWindow()) {
  setWindowIcon(calculator_->windowIcon());
  // The menus take the calculator's font: one font to load at start-up, and a menu bar as high
  // on every desktop as the area it sits on is wide.
  setFont(calculator_->font());
  // The calculator area keeps its size; the window grows by the menu bar only.
  const QSize area = calculator_->size();
  QWidget* const focus = calculator_->focusWidget();
  setCentralWidget(calculator_);
  // Taking the area in clears its focus; the window opens with the same box focused as before.
  if (focus) focus->setFocus();
  BuildMenus();
  AddDrawingAndSheetActions(*this);
  AddMenuBarKey(*this);
  const int bar = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
  resize(area.width(), area.height() + bar);
  ScrollWhenTooSmall(*this);
  connect(calculator_, &MainWindow::Refreshed, this, &DocumentWindow::UpdateTitle);
  connect(calculator_, &MainWindow::InputEdited, this, &DocumentWindow::UpdateTitle);
  UpdateTitle();
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  // Reached with the mouse or Alt, never with Tab.
  bar->setFocusPolicy(Qt::NoFocus);

  file_menu_ = bar->addMenu(QStringLiteral("&File"));
  file_menu_->addAction(QStringLiteral("&New"), QKeySequence::New, this,
                        &DocumentWindow::NewDesign);
  file_menu_->addAction(QStringLiteral("&Open\u2026"), QKeySequence::Open, this,
                        &DocumentWindow::OpenDesign);
  recent_menu_ = file_menu_->addMenu(QStringLiteral("Open &Recent"));
  recent_menu_->setToolTipsVisible(true);
  connect(recent_menu_, &QMenu::aboutToShow, this, &DocumentWindow::UpdateRecentMenu);
  file_menu_->addSeparator();
  file_menu_->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, &DocumentWindow::Save);
  file_menu_->addAction(QStringLiteral("Save &As\u2026"),
                        Keys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                        &DocumentWindow::SaveAs);
  file_menu_->addSeparator();
  // Export and Print go before this separator; it shows once they are there.
  outputs_end_ = file_menu_->addSeparator();
  outputs_end_->setVisible(false);
  file_menu_->addAction(QStringLiteral("&Quit"), Keys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q),
                        this, &QWidget::close);

  QMenu* edit = edit_menu_ = bar->addMenu(QStringLiteral("&Edit"));
  // Ctrl+C stays the boxes' own copy.
  edit->addAction(QStringLiteral("Copy &Results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                  this, &DocumentWindow::CopyResults);
  QAction* calculate_all =
      edit->addAction(QStringLiteral("Calculate &All"), QKeySequence(Qt::Key_F9), this,
                      &DocumentWindow::CalculateAll);
  calculate_all->setObjectName(QStringLiteral("actionCalculateAll"));

  view_menu_ = bar->addMenu(QStringLiteral("&View"));
  view_menu_->menuAction()->setVisible(false);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&About Ostrel"), this, &DocumentWindow::ShowAbout);
  help->addAction(QStringLiteral("About &Qt"), qApp, &QApplication::aboutQt);
}

QMenu* DocumentWindow::ViewMenu() {
  view_menu_->menuAction()->setVisible(true);
  return view_menu_;
}

void DocumentWindow::AddFileOutputAction(QAction* action) {
  file_menu_->insertAction(outputs_end_, action);
  outputs_end_->setVisible(true);
}

Design DocumentWindow::CurrentDesign() const {
  Design design = ostrel::CurrentDesign(calculator_->State(), *calculator_);
  design.calibration = calibration_;
  return design;
}

void DocumentWindow::SetCalibration(std::vector<CalibrationPoint> points) {
  calibration_ = std::move(points);
  UpdateTitle();
}

void DocumentWindow::UpdateTitle() {
  setWindowTitle(Q(document_.WindowTitle()));
  setWindowFilePath(document_.HasFile() ? Q(document_.Path()) : QString());
  setWindowModified(document_.IsModified(CurrentDesign()) || calculator_->HasPending());
}

bool DocumentWindow::MayDiscard() {
  if (!document_.AsksBeforeClosing(CurrentDesign(), calculator_->HasPending())) return true;
  switch (prompts_->AskSaveChanges(this, Q(document_.SaveQuestion()))) {
    case DocumentPrompts::Answer::Save:
      return Save();
    case DocumentPrompts::Answer::Discard:
      return true;
    case DocumentPrompts::Answer::Cancel:
      break;
  }
  return false;
}

void DocumentWindow::NewDesign() {
  if (!MayDiscard()) return;
  document_.Detach();
  disk_stamp_ = {};
  calibration_.clear();
  calculator_->New();
  UpdateTitle();
  emit DesignReplaced();
}

void DocumentWindow::OpenDesign() {
  if (!MayDiscard()) return;
  const QString path = prompts_->ChooseFileToOpen(this, recent_.LastFolder());
  if (!path.isEmpty()) Load(path);
}

bool DocumentWindow::OpenFile(const QString& path) {
  return MayDiscard() && Load(path);
}

bool DocumentWindow::Load(const QString& path) {
  // The whole file is read and checked before anything in the window changes.
  const file::DesignRead read = file::ReadDesignFile(Local(path));
  if (!read.design) {
    // The reader's message names the file and what is wrong with it.
    prompts_->ShowProblem(this, Q(read.error), {});
    return false;
  }
  const Design& design = *read.design;
  calibration_ = design.calibration;
  // A fault is reported once; the design stays open with all its inputs, and the file attached.
  calculator_->Open(design);
  document_.Attach(QFileInfo(path).absoluteFilePath().toStdString(), design);
  disk_stamp_ = read.stamp;
  recent_.Add(path);
  UpdateTitle();
  emit DesignReplaced();
  return true;
}

bool DocumentWindow::Save() {
  if (!document_.HasFile()) return SaveAs();
  bool saved_as = false;
  if (!MayOverwrite(saved_as)) return saved_as;
  return SaveTo(Q(document_.Path()));
}

bool DocumentWindow::MayOverwrite(bool& saved_as) {
  // A file that is gone loses nothing; one that another window or program changed would.
  const file::FileStamp now = file::StampOf(Local(Q(document_.Path())));
  if (!now.exists || now == disk_stamp_) return true;
  const QString question =
      QStringLiteral(
          "%1 has changed on disk since it was opened or saved here. Overwrite it "
          "with this design?")
          .arg(Q(document_.FileName()));
  switch (prompts_->AskOverwriteChanged(this, question)) {
    case DocumentPrompts::ChangedAnswer::Overwrite:
      return true;
    case DocumentPrompts::ChangedAnswer::SaveAs:
      saved_as = SaveAs();
      return false;
    case DocumentPrompts::ChangedAnswer::Cancel:
      break;
  }
  return false;
}

bool DocumentWindow::SaveAs() {
  if (!calculator_->ApplyPending()) return false;
  // A file name in a folder that exists: the dialog takes a bare folder's last part for the name.
  const QString name = document_.HasFile()
                           ? QFileInfo(Q(document_.Path())).fileName()
                           : QStringLiteral("Untitled.") + QLatin1String(file::kFileSuffix);
  const QString suggestion = QDir(recent_.LastFolder()).filePath(name);
  const QString path = prompts_->ChooseFileToSave(this, suggestion);
  return !path.isEmpty() && SaveTo(path);
}

bool DocumentWindow::SaveTo(const QString& path) {
  // What is typed goes into the file as its Calc button would store it, or nothing is written.
  if (!calculator_->ApplyPending()) return false;
  const Design design = CurrentDesign();
  if (const std::string reason = file::UnsavableReason(design); !reason.empty()) {
    prompts_->ShowProblem(this, QStringLiteral("%1 was not saved.").arg(QFileInfo(path).fileName()),
                          Q(reason));
    return false;
  }
  std::string error;
  file::FileStamp written;
  if (!file::WriteDesignFile(Local(path), design, &error, &written)) {
    // The writer's message names the file and the reason.
    prompts_->ShowProblem(this, Q(error), {});
    return false;
  }
  document_.Attach(QFileInfo(path).absoluteFilePath().toStdString(), design);
  disk_stamp_ = written;
  recent_.Add(path);
  UpdateTitle();
  return true;
}

bool DocumentWindow::PrepareOutput() {
  if (!calculator_->ApplyPending()) return false;
  if (calculator_->Numbers().Whole()) return true;
  calculator_->ReportDesignFault();
  return false;
}

void DocumentWindow::CopyResults() {
  if (!PrepareOutput()) return;
  QGuiApplication::clipboard()->setMimeData(
      ResultsMimeData(ResultRows(calculator_->Numbers().view)).release());
}

void DocumentWindow::CalculateAll() {
  calculator_->CalculateAll();
}

void DocumentWindow::UpdateRecentMenu() {
  recent_menu_->clear();
  const QStringList files = recent_.Files();
  for (int i = 0; i < files.size(); ++i) {
    const QString& path = files[i];
    QAction* entry = recent_menu_->addAction(
        QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this, [this, path] {
          // An entry whose file is gone is offered no more.
          if (!OpenFile(path) && !QFileInfo::exists(path)) {
            recent_.Remove(path);
          }
        });
    entry->setToolTip(QDir::toNativeSeparators(path));
  }
  recent_menu_->addSeparator();
  QAction* clear = recent_menu_->addAction(QStringLiteral("&Clear Menu"), this, [this] {
    recent_.Clear();
    UpdateRecentMenu();
  });
  clear->setEnabled(!files.isEmpty());
}

void DocumentWindow::ShowAbout() {
  QMessageBox::about(
      this, QStringLiteral("About Ostrel"),
      QStringLiteral("<p><b>Ostrel %1</b></p>"
                     "<p>Cell design calculator for multi-anvil high-pressure experiments.</p>"
                     "<p>Copyright \u00a9 2026 The Ostrel developers.</p>"
                     "<p>Licence GPL-3.0-or-later: this program is free software; you can "
                     "redistribute it and/or modify it under the terms of the GNU General Public "
                     "License, version 3 or (at your option) any later version. It comes with "
                     "NO WARRANTY.</p>")
          .arg(QStringLiteral(OSTREL_VERSION)));
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (MayDiscard()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace ostrel::ui
