// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "calibration/calibration_point.h"
#include "calibration/presenter/calibration_presenter.h"
#include "calibration/presenter/calibration_view.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;

namespace ostrel::ui {

class CalibrationChart;
class CalibrationEntry;
class LiveLine;
class MainWindow;

// The Pressure Calibration tool window: a passive view of CalibrationPresenter. It follows every
// refresh of the calculator it is given; the document hands it its points (SetPoints) and reads
// them back after each edit (PointsEdited).
class CalibrationWindow final : public QWidget, public CalibrationView {
  Q_OBJECT

 public:
  explicit CalibrationWindow(MainWindow& calculator, QWidget* parent = nullptr);
  ~CalibrationWindow() override;

  void SetPoints(std::vector<CalibrationPoint> points);
  const std::vector<CalibrationPoint>& Points() const { return presenter_.Points(); }

  void Show(const CalibrationScreen& shown) override;
  void Refuse(const CalibrationRefusal& refusal) override;
  void Announce(const std::string& sentence) override;

  // Undo and Redo of the point edits (Ctrl+Z, Ctrl+Shift+Z), enabled while there is one to
  // undo or redo; the program's Edit menu triggers them too.
  QAction* UndoAction() const { return undo_; }
  QAction* RedoAction() const { return redo_; }

 signals:
  // After every change the user makes to the points.
  void PointsEdited();

 protected:
  // Opens with the focus on the first entry, where a new point starts.
  void showEvent(QShowEvent* event) override;

 private:
  void Build();
  void BuildActions();
  void CellEdited(int row, int column);
  void EditRefusedCell(int row, int column);
  void RemoveSelected();
  void Follow();

  MainWindow& calculator_;
  CalibrationPresenter presenter_;
  QTableWidget* table_ = nullptr;
  CalibrationEntry* new_force_ = nullptr;
  CalibrationEntry* new_pressure_ = nullptr;
  CalibrationEntry* new_label_ = nullptr;
  QLabel* new_force_caption_ = nullptr;  // "Force (US tons)", its entry's name
  QPushButton* remove_ = nullptr;
  QLabel* status_ = nullptr;
  LiveLine* refusal_ = nullptr;  // why the last entry was refused
  LiveLine* notice_ = nullptr;   // what the last entry did; in the refusal's place
  QLabel* current_force_ = nullptr;
  QLabel* current_pressure_ = nullptr;
  CalibrationEntry* target_ = nullptr;
  QString taken_target_;  // the target's text as last taken
  QLabel* target_force_ = nullptr;
  QLabel* target_oil_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* delete_ = nullptr;
  std::unique_ptr<CalibrationChart> chart_;
  QWidget* plot_ = nullptr;  // the chart's widget, or the line that says why there is none
  bool filling_ = false;     // the table is being filled from code, not edited
};

}  // namespace ostrel::ui
