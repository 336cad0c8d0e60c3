// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>

#include "calibration/presenter/calibration_presenter.h"
#include "calibration/presenter/calibration_view.h"

// View > Pressure Calibration in the page: the desktop's calibration presenter behind a
// CalibrationView that keeps what it was told, for the page's script to show: the screen as
// JSON, the plot as SVG, and the last refusal.
namespace ostrel::web {

class CalibrationPanel final : public CalibrationView {
 public:
  CalibrationPanel() : presenter_(*this, [] {}) {}

  void Show(const CalibrationScreen& screen) override { screen_ = screen; }
  void Refuse(const CalibrationRefusal& refusal) override {
    refusal_ = refusal;
    refused_ = true;
  }

  CalibrationPresenter& Presenter() { return presenter_; }
  // Forgets the last refusal before an edit, so that only the edit's own shows.
  void ClearRefusal() { refused_ = false; }

  // Everything the panel shows, one JSON object; the plot is SVG text inside it.
  std::string ScreenJson() const;

 private:
  CalibrationScreen screen_;
  CalibrationRefusal refusal_;
  bool refused_ = false;
  CalibrationPresenter presenter_;
};

// The calibration plot as SVG: the points with their labels, the curve and its extensions, the
// theoretical pressure, the current force and the target, on axes from zero.
std::string CalibrationPlotSvg(const CalibrationPlotData& plot);

}  // namespace ostrel::web
