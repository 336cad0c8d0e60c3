// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include <QWidget>

#include "core/calc_state.h"
#include "core/fault.h"
#include "design/design.h"
#include "present/handlers.h"
#include "present/view.h"

class QButtonGroup;
class QLineEdit;

namespace ostrel::ui {

// A fault report without its detail: a modal message box titled "Ostrel" that names the fault.
void ShowFaultMessage(QWidget* parent, Fault fault);

// frmMain: the one window. It owns the calculation state and the handlers, builds its controls
// from kControls, and turns every click into one handler run whose fault, if any, is reported
// once. The load handler has run by the time the constructor returns.
class MainWindow final : public QWidget, public View {
  Q_OBJECT

 public:
  using FaultReport = std::function<void(Fault)>;

  MainWindow();
  explicit MainWindow(FaultReport report);

  std::string BoxText(Box box) const override;
  void SetBoxText(Box box, const std::string& text) override;
  bool IsSelected(Group group, int index) const override;
  void SelectOption(Group group, int index) override;
  Fault SelectOptionForResult(Group group, int index) override;
  std::string DecimalSeparator() const override;

  // What the handlers have stored, for tests that run the same actions without the window.
  const CalcState& State() const { return state_; }
  // The state itself, for what opens a design on the calculator.
  CalcState& MutableState() { return state_; }

  // File > New: the load handler's sequence again, on the open window.
  void New();
  // File > Open: the design's open sequence (design/open_design.h).
  void Open(const Design& design);

 signals:
  // After every handler run, faulted or not, once the boxes and their descriptions are up to
  // date: what follows the calculator (the drawing, the calibration) redraws from here.
  void Refreshed();

 private:
  void Build();
  // Each box's tooltip (its quantity in the selected unit) and, while assistive technology
  // listens, its accessible description (input or result, and the unit spelt out).
  void DescribeBoxes();
  // The default report: the fault with where the handlers found it, then the box to change.
  void ReportFault(Fault fault);
  template <typename Handler, typename... Args>
  void Run(Handler handler, Args... args);
  // Runs a sequence as one handler run: the first fault, a selection's handler's included, is
  // reported once at the end.
  template <typename Action>
  void RunOnce(Action action);
  // What follows every run: the descriptions, the fault (kept or reported) and Refreshed().
  void Finish(Fault fault);

  static constexpr std::size_t kGroupCount = 3;

  CalcState state_;
  Handlers handlers_;
  FaultReport report_;
  // While set, a handler's fault is kept here (the first one only) instead of being reported.
  Fault* captured_ = nullptr;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  std::array<QButtonGroup*, kGroupCount> groups_{};
};

}  // namespace ostrel::ui
