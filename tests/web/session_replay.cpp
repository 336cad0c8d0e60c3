// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The desktop's side of the browser test: replays a session of user actions on the presenters
// with the headless text view and writes, after every step, what the window then shows: the 27
// texts, the three selections and the fault report (kind, detail, box that gets the focus).
//
//   session_replay SEPARATOR < SESSION > STATES
//   session_replay --tab-order    (the window's Tab order, one control name a line)
// A session has one action per line, its fields separated by tabs:
//   type BOX TEXT | click NAME INDEX | choose GROUP INDEX | new
//   | caladd FORCE PRESSURE LABEL | caltarget TEXT   (the pressure calibration's entries)
//   | copy   (Edit > Copy Results: the state then holds the copied text, from the design's
//     numbers; a design that cannot be computed whole is refused with its fault's report)
//   | calcall   (Edit > Calculate All)
//   | open PATH   (File > Open: the desktop's reader, then the calibration and the open sequence)
//   | save   (File > Save: the state then holds the file's name and text, or the refusal)
// File > New also clears the calibration, as the desktop's does. As in the desktop window, the
// design's numbers are computed after every handler's run; after New, Open and Calculate All of a
// design that cannot be computed whole the boxes show them, and the calibration follows them.
// Each state is one line of JSON; it also holds what the calibration shows at the calculator's
// state after the action.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "calibration/presenter/calibration_presenter.h"
#include "calibration/presenter/calibration_view.h"
#include "cli/text_escape.h"
#include "core/calc.h"
#include "core/calc_state.h"
#include "design/design.h"
#include "design/design_numbers.h"
#include "design/open_design.h"
#include "file/design_file.h"
#include "present/fault_detail.h"
#include "present/handlers.h"
#include "present/results_table.h"
#include "present/section_calc.h"
#include "present/sections.h"
#include "present/show_results.h"
#include "present/text_view.h"
#include "ui/controls.h"

namespace {

using namespace ostrel;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

Fault Click(Handlers& handlers, const std::string& name, int index) {
  for (const ui::Control& c : ui::kControls) {
    if (c.kind != ui::Kind::Button || name != c.name || index != c.index) continue;
    if (c.click) return (handlers.*c.click)();
    return (handlers.*c.indexedClick)(static_cast<std::int16_t>(index));
  }
  return Fault::None;
}

void AppendCalibration(std::string& out, const CalibrationScreen& screen) {
  out += ",\"calibration\":[";
  for (const std::string* text : {&screen.status, &screen.current_force, &screen.current_pressure,
                                  &screen.target_force, &screen.target_oil}) {
    cli::AppendJsonString(out, *text);
    out += ',';
  }
  for (const CalibrationRowTexts& row : screen.rows) {
    for (const std::string* text : {&row.force, &row.pressure, &row.label}) {
      cli::AppendJsonString(out, *text);
      out += ',';
    }
  }
  out.back() = ']';
}

// What Edit > Copy Results puts on the clipboard as text: a row per box, quantity, text and unit
// separated by tabs, with any tab or line break inside a cell made a blank.
std::string CopiedText(const View& view) {
  std::string text;
  for (const ResultRow& row : ResultRows(view)) {
    std::string line = row.quantity + '\t' + row.text + '\t' + row.unit;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const bool separator =
          i == row.quantity.size() || i == row.quantity.size() + 1 + row.text.size();
      if (!separator && (line[i] == '\t' || line[i] == '\n' || line[i] == '\r')) line[i] = ' ';
    }
    text += line + '\n';
  }
  return text;
}

// The text view, remembering what handlers last wrote into each box: an input box whose text
// differs holds a pending value, as in the desktop window.
class RecordingView final : public View {
 public:
  explicit RecordingView(TextView& inner) : inner_(inner) {}
  std::string BoxText(Box box) const override { return inner_.BoxText(box); }
  void SetBoxText(Box box, const std::string& text) override {
    inner_.SetBoxText(box, text);
    written_[static_cast<int>(box)] = text;
  }
  bool IsSelected(Group group, int index) const override { return inner_.IsSelected(group, index); }
  void SelectOption(Group group, int index) override { inner_.SelectOption(group, index); }
  Fault SelectOptionForResult(Group group, int index) override {
    return inner_.SelectOptionForResult(group, index);
  }
  std::string DecimalSeparator() const override { return inner_.DecimalSeparator(); }

  bool Pending(Box box) const {
    return IsInputBox(box) && inner_.BoxText(box) != written_[static_cast<int>(box)];
  }

 private:
  TextView& inner_;
  std::array<std::string, kBoxCount> written_{};
};

}  // namespace

int main(int argc, char** argv) {
  const std::string separator = argc > 1 ? argv[1] : ".";
  if (separator == "--tab-order") {
    for (const ui::ControlRef& r : ui::kTabOrder) std::cout << ui::ObjectName(r) << '\n';
    return 0;
  }
  CalcState state;
  TextView text_view(separator);
  RecordingView view(text_view);
  Handlers handlers(state, view);
  text_view.Attach(&handlers);
  Fault fault = handlers.Form_Load();
  const DesignCalculator design_calculator(separator);
  DesignNumbers numbers;
  bool numbers_say_where = false;  // the report's location is the numbers' (a whole sequence's)
  // After a handler's run, as the desktop window's: whole for New, Open and Calculate All.
  const auto finish = [&](bool whole) {
    design_calculator.Compute(CurrentDesign(state, view), numbers);
    if (whole && !numbers.Whole()) {
      for (int i = 0; i < kBoxCount; ++i) view.SetBoxText(static_cast<Box>(i), numbers.texts[i]);
    }
    numbers_say_where = whole && fault != Fault::None && numbers.fault == fault;
  };
  finish(true);
  // Before Save, Copy Results and Print: each section with a pending value runs its Calc button,
  // in section order, until one faults.
  const auto apply_pending = [&] {
    for (int i = 0; i < kSectionCount; ++i) {
      bool pending = false;
      for (int b = 0; b < kSections[i].box_count; ++b)
        pending |= view.Pending(kSections[i].boxes[b]);
      if (!pending) continue;
      fault = (handlers.*kSectionCalc[i])();
      finish(false);
      if (fault != Fault::None) return false;
    }
    return true;
  };
  KeptCalibrationScreen calibration_view;  // the calibration window without widgets
  CalibrationPresenter calibration(calibration_view, [] {});
  std::string line;
  std::string copied;                       // what the action copied, if it was a copy
  std::string file_name = "design.ostrel";  // the file last opened or saved
  std::string refusal;                      // a file the reader or the writer refused
  std::string refusal_detail;
  std::string saved;  // what a save wrote
  bool first = true;
  while (first || std::getline(std::cin, line)) {
    if (!first) {
      const std::vector<std::string> f = Fields(line);
      fault = Fault::None;
      numbers_say_where = false;
      copied.clear();
      refusal.clear();
      refusal_detail.clear();
      saved.clear();
      if (f[0] == "type" && f.size() == 3) {
        text_view.SetBoxText(static_cast<Box>(std::stoi(f[1])), f[2]);
        continue;  // typing runs no handler and reports nothing
      } else if (f[0] == "click" && f.size() == 3) {
        fault = Click(handlers, f[1], std::stoi(f[2]));
        finish(false);
      } else if (f[0] == "choose" && f.size() == 3) {
        fault = view.SelectOptionForResult(static_cast<Group>(std::stoi(f[1])), std::stoi(f[2]));
        finish(false);
      } else if (f[0] == "caladd" && f.size() == 4) {
        calibration.Follow(numbers.state, numbers.view);
        (void)calibration.AddPoint(f[1], f[2], f[3]);
      } else if (f[0] == "caltarget" && f.size() == 2) {
        calibration.Follow(numbers.state, numbers.view);
        (void)calibration.SetTarget(f[1]);
      } else if (f[0] == "copy") {
        if (!apply_pending()) {
          // The fault of the Calc button that applied a pending value is reported.
        } else if (numbers.Whole()) {
          copied = CopiedText(numbers.view);
        } else {
          fault = numbers.fault;
          numbers_say_where = true;
        }
      } else if (f[0] == "calcall") {
        fault = All_Calc(state);
        if (fault == Fault::None) fault = ShowResults(state, view);
        finish(true);
      } else if (f[0] == "new") {
        calibration.SetPoints({});
        file_name = "design.ostrel";
        fault = handlers.Form_Load();
        finish(true);
      } else if (f[0] == "open" && f.size() == 2) {
        const file::DesignRead read = file::ReadDesignFile(f[1]);
        fault = Fault::None;
        if (!read.design) {
          refusal = read.error;
        } else {
          calibration.SetPoints(read.design->calibration);
          fault = OpenDesign(*read.design, state, view);
          finish(true);
          file_name = f[1].substr(f[1].find_last_of('/') + 1);
        }
      } else if (f[0] == "save") {
        if (apply_pending()) {
          Design design = CurrentDesign(state, view);
          design.calibration = calibration.Points();
          if (const std::string reason = file::UnsavableReason(design); !reason.empty()) {
            refusal = file_name + " was not saved.";
            refusal_detail = reason;
          } else {
            saved = file::DesignJson(design);
          }
        }
      } else {
        std::fprintf(stderr, "session_replay: not an action: %s\n", line.c_str());
        return 2;
      }
    }
    first = false;
    std::string out = "{\"texts\":[";
    for (const std::string& text : text_view.Texts()) {
      cli::AppendJsonString(out, text);
      out += ',';
    }
    out.back() = ']';
    out += ",\"selected\":[" + std::to_string(text_view.Selected(Group::optDistanceUnits)) + ',' +
           std::to_string(text_view.Selected(Group::optOilPressureUnits)) + ',' +
           std::to_string(text_view.Selected(Group::optForceUnits)) + "],\"kind\":";
    const FaultDetail detail =
        fault == Fault::None
            ? FaultDetail{}
            : DescribeFault(fault, numbers_say_where ? numbers.where : handlers.LastFaultLocation(),
                            separator);
    cli::AppendJsonString(out, !refusal.empty()       ? refusal
                               : fault == Fault::None ? ""
                                                      : FaultText(fault));
    out += ",\"informative\":";
    cli::AppendJsonString(out, !refusal.empty() ? refusal_detail : detail.informative);
    out += ",\"focus\":" + std::to_string(detail.has_focus ? static_cast<int>(detail.focus) : -1);
    // The result boxes the window marks as not recalculated: a text other than the numbers'.
    out += ",\"marked\":[";
    for (int i = 0; i < kBoxCount; ++i) {
      if (MarkedNotRecalculated(static_cast<Box>(i), text_view.Texts()[i], numbers))
        out += std::to_string(i) + ',';
    }
    if (out.back() == ',') out.pop_back();
    out += ']';
    calibration.Follow(numbers.state, numbers.view);
    AppendCalibration(out, calibration.Screen());
    if (!copied.empty()) {
      out += ",\"copied\":";
      cli::AppendJsonString(out, copied);
    }
    if (!saved.empty()) {
      out += ",\"saved\":{\"name\":";
      cli::AppendJsonString(out, file_name);
      out += ",\"text\":";
      cli::AppendJsonString(out, saved);
      out += '}';
    }
    std::cout << out << "}\n";
  }
  return 0;
}
