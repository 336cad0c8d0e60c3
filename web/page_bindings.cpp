// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// What the page's script calls (embind): the controls to build, the texts to copy in and out,
// the user's actions and the menus' outputs. Larger answers are JSON texts, which the script
// parses; every number in them was computed here.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/text_escape.h"
#include "file/design_file.h"
#include "present/box_labels.h"
#include "present/results_table.h"
#include "ui/controls.h"
#include "web/calibration_panel.h"
#include "web/figure_svg.h"
#include "web/page_document.h"
#include "web/sheet_html.h"
#include "web/web_calculator.h"

namespace ostrel::web {
namespace {

// The page's one calculator, made when the page starts, its calibration and its document.
std::unique_ptr<WebCalculator> calculator;
std::unique_ptr<CalibrationPanel> calibration;
std::unique_ptr<PageDocument> document;
// The last saved file's bytes, until the script has copied them into the download.
std::string saved_bytes;

const char* KindName(ui::Kind kind) {
  switch (kind) {
    case ui::Kind::Frame:
      return "frame";
    case ui::Kind::Label:
      return "label";
    case ui::Kind::TextBox:
      return "box";
    case ui::Kind::Button:
      return "button";
    case ui::Kind::Option:
      return "option";
  }
  return "";
}

void AppendField(std::string& out, const char* key, std::string_view text) {
  out += '"';
  out += key;
  out += "\":";
  cli::AppendJsonString(out, text);
  out += ',';
}

void AppendField(std::string& out, const char* key, int value) {
  out += '"';
  out += key;
  out += "\":";
  out += std::to_string(value);
  out += ',';
}

void CloseObject(std::string& out) {
  out.back() = '}';
}

std::string ReportJson(const Report& report) {
  std::string out = "{";
  AppendField(out, "kind", report.kind);
  AppendField(out, "informative", report.informative);
  AppendField(out, "focus", report.focus);
  CloseObject(out);
  return out;
}

// The controls in the desktop window's order (containers first), in pixels at 96 dots per inch
// as the desktop places them, and the Tab order by element id.
std::string Layout() {
  std::string out = "{";
  AppendField(out, "width", ui::kClientWidth / ui::kTwipsPerPixel);
  AppendField(out, "height", ui::kClientHeight / ui::kTwipsPerPixel);
  out += "\"controls\":[";
  for (const ui::Control& c : ui::kControls) {
    out += '{';
    AppendField(out, "id", ui::ObjectName(c));
    AppendField(out, "kind", KindName(c.kind));
    AppendField(out, "caption", c.caption);
    AppendField(out, "container", c.container ? c.container : "");
    AppendField(out, "left", c.rect.left / ui::kTwipsPerPixel);
    AppendField(out, "top", c.rect.top / ui::kTwipsPerPixel);
    AppendField(out, "width", c.rect.width / ui::kTwipsPerPixel);
    AppendField(out, "height", c.rect.height / ui::kTwipsPerPixel);
    AppendField(out, "name", c.name);
    AppendField(out, "index", c.index);
    const bool names_box = c.kind == ui::Kind::TextBox || c.kind == ui::Kind::Label;
    AppendField(out, "box", names_box ? static_cast<int>(c.box) : -1);
    AppendField(out, "group", c.kind == ui::Kind::Option ? static_cast<int>(c.group) : -1);
    CloseObject(out);
    out += ',';
  }
  out.back() = ']';
  out += ",\"tabOrder\":[";
  for (const ui::ControlRef& r : ui::kTabOrder) {
    cli::AppendJsonString(out, ui::ObjectName(r));
    out += ',';
  }
  out.back() = ']';
  out += '}';
  return out;
}

std::string Start(const std::string& separator) {
  calculator = std::make_unique<WebCalculator>(separator);
  calibration = std::make_unique<CalibrationPanel>();
  document = std::make_unique<PageDocument>(*calculator, calibration->Presenter());
  return ReportJson(calculator->Load());
}

std::string New() {
  return ReportJson(document->New());
}

// File > Open…: the chosen file's name, its first bytes (an ArrayBuffer or typed array) and its
// whole size.
std::string Open(const std::string& name, const std::string& bytes, double size) {
  return ReportJson(document->Open(name, bytes, static_cast<std::int64_t>(size)));
}

std::string Unreadable(const std::string& name, const std::string& problem) {
  return ReportJson(PageDocument::Unreadable(name, problem));
}

double MaxFileBytes() {
  return static_cast<double>(file::kMaxFileBytes);
}

// File > Save: the download's name and the report when the design cannot be saved; the bytes
// follow from savedBytes().
// What is typed goes into the file as its Calc button would store it, or nothing is written.
std::string Save() {
  if (const Report pending = calculator->ApplyPending(); !pending.kind.empty()) {
    saved_bytes.clear();
    std::string out = ReportJson(pending);
    out.back() = ',';
    AppendField(out, "name", "");
    CloseObject(out);
    return out;
  }
  SavedFile saved = document->Save();
  saved_bytes = std::move(saved.bytes);
  std::string out = ReportJson(saved.refusal);
  out.back() = ',';
  AppendField(out, "name", saved.name);
  CloseObject(out);
  return out;
}

// A view of the bytes, which the script copies at once (memory may move afterwards).
emscripten::val SavedBytes() {
  return emscripten::val(emscripten::typed_memory_view(
      saved_bytes.size(), reinterpret_cast<const unsigned char*>(saved_bytes.data())));
}

std::string Title() {
  return document->Title();
}

std::string FileName() {
  return document->FileName();
}

// The question before New or Open discards the design; empty when there is nothing to lose.
std::string DiscardQuestion() {
  return document->AsksBeforeDiscarding() ? document->SaveQuestion() : std::string();
}

std::string Click(const std::string& name, int index) {
  return ReportJson(calculator->Click(name, index));
}

std::string Choose(int group, int index) {
  return ReportJson(calculator->Choose(static_cast<Group>(group), index));
}

void SetText(int box, const std::string& text) {
  if (box >= 0 && box < kBoxCount) calculator->Type(static_cast<Box>(box), text);
}

std::string Text(int box) {
  if (box < 0 || box >= kBoxCount) return {};
  return calculator->BoxText(static_cast<Box>(box));
}

int Selected(int group) {
  return calculator->Selected(static_cast<Group>(group));
}

// Each box's tooltip and accessible description, and whether it is marked as not recalculated.
std::string Descriptions() {
  std::string out = "{\"descriptions\":[";
  for (int b = 0; b < kBoxCount; ++b) {
    cli::AppendJsonString(out, calculator->Description(static_cast<Box>(b)));
    out += ',';
  }
  out.back() = ']';
  out += ",\"marked\":[";
  for (int b = 0; b < kBoxCount; ++b) out += calculator->Marked(static_cast<Box>(b)) ? "1," : "0,";
  out.back() = ']';
  return out + '}';
}

// Edit > Copy Results: one row per box, quantity, text and unit, from the design's numbers, as
// the desktop copies them.
std::string ResultsJson() {
  std::string out = "[";
  for (const ResultRow& row : ResultRows(calculator->Numbers().view)) {
    out += '{';
    AppendField(out, "quantity", row.quantity);
    AppendField(out, "text", row.text);
    AppendField(out, "unit", row.unit);
    CloseObject(out);
    out += ',';
  }
  if (out.size() == 1)
    out += ']';
  else
    out.back() = ']';
  return out;
}

// Copy Results and Print first apply what is typed but not calculated, then refuse a design that
// cannot be computed whole, with its fault's report.
std::string OutputRefusal() {
  const Report pending = calculator->ApplyPending();
  if (!pending.kind.empty()) return ReportJson(pending);
  return ReportJson(calculator->Numbers().Whole() ? Report{} : calculator->DesignFault());
}

std::string CalculateAll() {
  return ReportJson(calculator->CalculateAll());
}

// The design's numbers, never the boxes' texts; a design without them is not drawn.
std::string Drawing() {
  const DesignNumbers& numbers = calculator->Numbers();
  if (!numbers.Whole()) {
    std::string out = "<p class=\"not-drawn\">";
    const std::string text =
        "Cannot be drawn: the design cannot be computed. " + WhyNotComputed(numbers);
    for (const char c : text) {
      if (c == '<')
        out += "&lt;";
      else if (c == '&')
        out += "&amp;";
      else
        out += c;
    }
    return out + "</p>";
  }
  return CellDrawingSvg(numbers.state, numbers.view);
}

std::string Sheet(const std::string& title, const std::string& stamp) {
  const DesignNumbers& numbers = calculator->Numbers();
  return SheetHtml(numbers.state, numbers.view, calibration->Presenter().Points(), title, stamp);
}

// View > Pressure Calibration: the presenter follows the calculator after every action; each
// edit answers whether it was taken, and the screen says what to show.
std::string CalibrationScreenJson() {
  // The design's numbers, never the boxes' texts.
  calibration->Presenter().Follow(calculator->Numbers().state, calculator->Numbers().view);
  return calibration->ScreenJson();
}

bool CalibrationAdd(const std::string& force, const std::string& pressure,
                    const std::string& label) {
  calibration->ClearRefusal();
  return calibration->Presenter().AddPoint(force, pressure, label);
}

bool CalibrationEdit(int row, int field, const std::string& text) {
  calibration->ClearRefusal();
  return calibration->Presenter().EditCell(row, static_cast<CalibrationField>(field), text);
}

bool CalibrationRemove(int row) {
  calibration->ClearRefusal();
  return calibration->Presenter().RemoveRows({row});
}

bool CalibrationTarget(const std::string& text) {
  calibration->ClearRefusal();
  return calibration->Presenter().SetTarget(text);
}

std::string Version() {
  return OSTREL_VERSION;
}

}  // namespace
}  // namespace ostrel::web

EMSCRIPTEN_BINDINGS(ostrel) {
  using namespace ostrel::web;
  emscripten::function("layout", &Layout);
  emscripten::function("start", &Start);
  emscripten::function("newDesign", &New);
  emscripten::function("openDesign", &Open);
  emscripten::function("unreadable", &Unreadable);
  emscripten::function("maxFileBytes", &MaxFileBytes);
  emscripten::function("saveDesign", &Save);
  emscripten::function("savedBytes", &SavedBytes);
  emscripten::function("title", &Title);
  emscripten::function("fileName", &FileName);
  emscripten::function("discardQuestion", &DiscardQuestion);
  emscripten::function("click", &Click);
  emscripten::function("choose", &Choose);
  emscripten::function("setText", &SetText);
  emscripten::function("text", &Text);
  emscripten::function("selected", &Selected);
  emscripten::function("descriptions", &Descriptions);
  emscripten::function("results", &ResultsJson);
  emscripten::function("outputRefusal", &OutputRefusal);
  emscripten::function("calculateAll", &CalculateAll);
  emscripten::function("drawing", &Drawing);
  emscripten::function("sheet", &Sheet);
  emscripten::function("calibrationScreen", &CalibrationScreenJson);
  emscripten::function("calibrationAdd", &CalibrationAdd);
  emscripten::function("calibrationEdit", &CalibrationEdit);
  emscripten::function("calibrationRemove", &CalibrationRemove);
  emscripten::function("calibrationTarget", &CalibrationTarget);
  emscripten::function("version", &Version);
}
