// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "calibration/calibration_point.h"
#include "design/design.h"
#include "design/document.h"
#include "file/disk_file.h"
#include "ui/document_prompts.h"
#include "ui/main_window.h"
#include "ui/recent_files.h"

class QAction;
class QCloseEvent;
class QMenu;

namespace ostrel::ui {

// The top-level window: a menu bar over the calculator area (frmMain, unchanged) that makes the
// design a document. It turns menu entries into the calculator's New and Open runs and the
// file reader's and writer's calls; what the title says and when to ask is Document's.
//
// Data flow: a file -> ReadDesignFile -> MainWindow::Open (the open sequence, one fault
// report) -> Document::Attach; every refresh -> Document::IsModified -> the modified marker;
// Save -> MayOverwrite (the file as last opened or saved here?) -> CurrentDesign ->
// WriteDesignFile -> Document::Attach.
class DocumentWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // prompts: the dialogs (the real ones when null); report: the calculator's fault report (a
  // message box when empty).
  explicit DocumentWindow(std::unique_ptr<DocumentPrompts> prompts = nullptr,
                          MainWindow::FaultReport report = nullptr);
  ~DocumentWindow() override;

  MainWindow& Calculator() { return *calculator_; }
  const MainWindow& Calculator() const { return *calculator_; }
  const Document& CurrentDocument() const { return document_; }
  // The calculator's inputs and units with the design's calibration: what Save writes.
  Design CurrentDesign() const;

  // The design's calibration points; changing them marks a design with a file modified.
  const std::vector<CalibrationPoint>& Calibration() const { return calibration_; }
  void SetCalibration(std::vector<CalibrationPoint> points);

  // Places for other menu entries: the View menu (shown from the first call on) and File's
  // output entries (Export, Print), which go between Save As… and Quit.
  QMenu* ViewMenu();
  // The Edit menu, for the tool windows' Undo and Redo.
  QMenu* EditMenu() const { return edit_menu_; }
  void AddFileOutputAction(QAction* action);
  QMenu* RecentMenu() const { return recent_menu_; }

  // File > Open Recent and the command line: opens path as File > Open does once the file is
  // chosen. False when the user cancelled or the file could not be used.
  bool OpenFile(const QString& path);
  // File > Save and Save As…: false when nothing was saved.
  bool Save();
  bool SaveAs();
  // Writes the current design to path and attaches it there; false, with a message, when it
  // cannot be saved.
  bool SaveTo(const QString& path);
  void NewDesign();
  void OpenDesign();
  void CopyResults();
  // Calculate All (F9): the calculator's All_Calc and refresh on the stored inputs.
  void CalculateAll();
  // Before Export, Print and Copy Results: applies pending values; false, after the fault's
  // report, when one faults or the design's numbers cannot be computed whole.
  bool PrepareOutput();
  // Rebuilds Open Recent from the settings; done each time it opens.
  void UpdateRecentMenu();

 signals:
  // After New or Open replaced the design (its calibration included).
  void DesignReplaced();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  // Reads path and opens it, or says why it cannot and changes nothing.
  bool Load(const QString& path);
  // Before Save writes over the document's file: true when the file is as this window last
  // opened or saved it, or the user chose Overwrite; Save As… is run from here.
  bool MayOverwrite(bool& saved_as);
  // Asks "Save changes to …?" where the document wants it; false when the design must stay.
  bool MayDiscard();
  void UpdateTitle();
  void ShowAbout();

  std::unique_ptr<DocumentPrompts> prompts_;
  MainWindow* calculator_;
  Document document_;
  RecentFiles recent_;
  std::vector<CalibrationPoint> calibration_;
  file::FileStamp disk_stamp_;  // the document's file as last opened or saved here
  QMenu* file_menu_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QMenu* view_menu_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QAction* outputs_end_ = nullptr;
};

}  // namespace ostrel::ui
