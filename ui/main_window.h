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
#include "design/design_numbers.h"
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
  // Calculate All: All_Calc on the stored inputs, then the refresh, as Open ends.
  void CalculateAll();

  // The numbers of the design the calculator stores (its inputs and units), computed on a copy
  // after every handler run: what every output is made from.
  const DesignNumbers& Numbers() const { return numbers_; }
  // An input box whose text differs from what the last refresh wrote into it.
  bool IsPending(Box box) const;
  bool HasPending() const;
  // A result box whose text differs from the design's numbers: marked as not recalculated.
  bool IsMarked(Box box) const { return marked_[static_cast<int>(box)]; }
  // Runs the Calc button of each section with a pending box, in section order, as a click
  // would; false after the first fault, which is reported as a click's is.
  bool ApplyPending();
  // Reports why the design's numbers could not be computed, as its handler run reported it.
  void ReportDesignFault();

 signals:
  // After every handler run, faulted or not, once the boxes and their descriptions are up to
  // date: what follows the calculator (the drawing, the calibration) redraws from here.
  void Refreshed();
  // The user typed into an input box (a pending value may have appeared or gone).
  void InputEdited();

 private:
  void Build();
  // Each box's tooltip (its quantity in the selected unit) and, while assistive technology
  // listens, its accessible description (input or result, and the unit spelt out); with marks,
  // both also say whether a result box differs from the design's numbers or was not computed,
  // and its text colour matches.
  void DescribeBoxes(bool marks);
  // The default report: the fault with where the handlers found it, then the box to change.
  void ReportFault(Fault fault);
  template <typename Handler, typename... Args>
  Fault Run(Handler handler, Args... args);
  // Runs a sequence as one handler run: the first fault, a selection's handler's included, is
  // reported once at the end.
  // whole: a sequence that ends in All_Calc and the refresh (New, Open, Calculate All), after
  // which a design that cannot be computed shows its numbers.
  template <typename Action>
  void RunOnce(Action action, bool whole = false);
  // What follows every run: the design's numbers, the descriptions and marks, the fault (kept or
  // reported) and Refreshed().
  void Finish(Fault fault, bool whole = false);
  // Inputs as stored, results as far as the numbers reach, the rest empty.
  void ShowNumbers();

  static constexpr std::size_t kGroupCount = 3;

  CalcState state_;
  Handlers handlers_;
  FaultReport report_;
  // While set, a handler's fault is kept here (the first one only) instead of being reported.
  Fault* captured_ = nullptr;
  // Handler runs under way: 1 in a click's, 2 in a selection's handler within a sequence.
  int depth_ = 0;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  // What the last refresh wrote into each box: a differing input text is pending.
  std::array<std::string, kBoxCount> written_{};
  std::array<bool, kBoxCount> marked_{};
  // Whether the marks were worked out once: a description made later for a listener keeps them.
  bool marks_known_ = false;
  std::string numbers_separator_;
  DesignCalculator design_calculator_;
  DesignNumbers numbers_;
  // Set while a report must say where the design's numbers faulted instead of the last handler.
  const FaultLocation* report_location_ = nullptr;
  std::array<QButtonGroup*, kGroupCount> groups_{};
};

}  // namespace ostrel::ui
