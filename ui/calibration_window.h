// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "calibration/calibration_point.h"
#include "calibration/presenter/calibration_presenter.h"
#include "calibration/presenter/calibration_view.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ostrel::ui {

class CalibrationChart;
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

 signals:
  // After every change the user makes to the points.
  void PointsEdited();

 private:
  void Build();
  void CellEdited(int row, int column);
  void Follow();

  MainWindow& calculator_;
  CalibrationPresenter presenter_;
  QTableWidget* table_ = nullptr;
  QLineEdit* new_force_ = nullptr;
  QLineEdit* new_pressure_ = nullptr;
  QLineEdit* new_label_ = nullptr;
  QLabel* new_force_unit_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* refusal_ = nullptr;
  QLabel* current_force_ = nullptr;
  QLabel* current_pressure_ = nullptr;
  QLineEdit* target_ = nullptr;
  QLabel* target_force_ = nullptr;
  QLabel* target_oil_ = nullptr;
  std::unique_ptr<CalibrationChart> chart_;
  bool filling_ = false;  // the table is being filled from code, not edited
};

}  // namespace ostrel::ui
