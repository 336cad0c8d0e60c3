// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "web/calibration_panel.h"
#include "web/markup_text.h"

#include <cstdio>
#include <vector>

#include "calibration/presenter/calibration_plot.h"
#include "cli/text_escape.h"
#include "present/text_forms.h"

namespace ostrel::web {
namespace {

void Field(std::string& out, const char* key, const std::string& text) {
  out += '"';
  out += key;
  out += "\":";
  cli::AppendJsonString(out, text);
  out += ',';
}

constexpr double kWidth = 520, kHeight = 360;
constexpr double kLeft = 56, kRight = 16, kTop = 16, kBottom = 44;

}  // namespace

std::string CalibrationPlotSvg(const CalibrationPlotData& plot) {
  const PlotAxis x_axis = NiceAxis(plot.force_max, 6);
  const PlotAxis y_axis = NiceAxis(plot.pressure_max, 6);
  const double w = kWidth - kLeft - kRight, h = kHeight - kTop - kBottom;
  const auto mx = [&](double f) { return kLeft + f / x_axis.end * w; };
  const auto my = [&](double p) { return kTop + h - p / y_axis.end * h; };
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" aria-label=\"Calibration plot\" "
      "width=\"" +
      Coordinate(kWidth) + "\" height=\"" + Coordinate(kHeight) + "\" viewBox=\"0 0 " +
      Coordinate(kWidth) + ' ' + Coordinate(kHeight) +
      "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"11\">";
  out += "<rect x=\"" + Coordinate(kLeft) + "\" y=\"" + Coordinate(kTop) + "\" width=\"" +
         Coordinate(w) + "\" height=\"" + Coordinate(h) + "\" fill=\"#fff\" stroke=\"#808080\"/>";
  // Ticks labelled with the display form a box would use, so that no number is written twice.
  for (int i = 0; i * x_axis.step <= x_axis.end * (1 + 1e-9); ++i) {
    const double v = i * x_axis.step;
    out += "<line x1=\"" + Coordinate(mx(v)) + "\" y1=\"" + Coordinate(kTop + h) + "\" x2=\"" +
           Coordinate(mx(v)) + "\" y2=\"" + Coordinate(kTop + h + 4) +
           "\" stroke=\"#202020\"/><text x=\"" + Coordinate(mx(v)) + "\" y=\"" +
           Coordinate(kTop + h + 15) + "\" text-anchor=\"middle\">" + DoubleText(v, ".") +
           "</text>";
  }
  for (int i = 0; i * y_axis.step <= y_axis.end * (1 + 1e-9); ++i) {
    const double v = i * y_axis.step;
    out += "<line x1=\"" + Coordinate(kLeft - 4) + "\" y1=\"" + Coordinate(my(v)) + "\" x2=\"" +
           Coordinate(kLeft) + "\" y2=\"" + Coordinate(my(v)) +
           "\" stroke=\"#202020\"/><text x=\"" + Coordinate(kLeft - 6) + "\" y=\"" +
           Coordinate(my(v)) + "\" text-anchor=\"end\" dominant-baseline=\"middle\">" +
           DoubleText(v, ".") + "</text>";
  }
  out += "<text x=\"" + Coordinate(kLeft + w / 2) + "\" y=\"" + Coordinate(kHeight - 6) +
         "\" text-anchor=\"middle\">" + Escaped(plot.force_title) + "</text>";
  out += "<text transform=\"translate(12 " + Coordinate(kTop + h / 2) +
         ") rotate(-90)\" text-anchor=\"middle\">Sample pressure (GPa)</text>";
  const auto polyline = [&](const std::vector<PlotXY>& line, const char* colour, bool dashed) {
    if (line.size() < 2) return;
    out += "<polyline fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"1.5\"" +
           (dashed ? " stroke-dasharray=\"5 4\"" : "") + " points=\"";
    for (const PlotXY& p : line)
      out += Coordinate(mx(p.force)) + ',' + Coordinate(my(p.pressure)) + ' ';
    out += "\"/>";
  };
  polyline(plot.theory, "#909090", true);
  polyline(plot.extension_below, "#1f5fa8", true);
  polyline(plot.extension_above, "#1f5fa8", true);
  polyline(plot.curve, "#1f5fa8", false);
  for (std::size_t i = 0; i < plot.points.size(); ++i) {
    const PlotXY& p = plot.points[i];
    out += "<circle cx=\"" + Coordinate(mx(p.force)) + "\" cy=\"" + Coordinate(my(p.pressure)) +
           "\" r=\"3.5\" fill=\"#1f5fa8\"/>";
    if (i < plot.labels.size()) {
      out += "<text x=\"" + Coordinate(mx(p.force)) + "\" y=\"" + Coordinate(my(p.pressure) - 8) +
             "\" text-anchor=\"middle\">" + Escaped(plot.labels[i]) + "</text>";
    }
  }
  const auto marker = [&](const std::optional<PlotXY>& at, const char* colour) {
    if (!at) return;
    out += "<line x1=\"" + Coordinate(mx(at->force)) + "\" y1=\"" + Coordinate(kTop) + "\" x2=\"" +
           Coordinate(mx(at->force)) + "\" y2=\"" + Coordinate(kTop + h) + "\" stroke=\"" + colour +
           "\" stroke-dasharray=\"2 3\"/><circle cx=\"" + Coordinate(mx(at->force)) + "\" cy=\"" +
           Coordinate(my(at->pressure)) + "\" r=\"4\" fill=\"none\" stroke=\"" + colour +
           "\" stroke-width=\"2\"/>";
  };
  marker(plot.current, "#c06000");
  marker(plot.target, "#108040");
  return out + "</svg>";
}

std::string CalibrationPanel::ScreenJson() const {
  std::string out = "{";
  Field(out, "forceHeader", screen_.force_header);
  Field(out, "forceUnit", screen_.force_unit);
  Field(out, "status", screen_.status);
  Field(out, "currentForce", screen_.current_force);
  Field(out, "currentPressure", screen_.current_pressure);
  Field(out, "targetForce", screen_.target_force);
  Field(out, "targetOil", screen_.target_oil);
  Field(out, "refusal", refused_ ? refusal_.reason : std::string());
  out += "\"refusalRow\":" + std::to_string(refused_ ? refusal_.row : -2) + ',';
  out += "\"refusalField\":" + std::to_string(static_cast<int>(refusal_.field)) + ',';
  Field(out, "plot", CalibrationPlotSvg(screen_.plot));
  out += "\"rows\":[";
  for (const CalibrationRowTexts& row : screen_.rows) {
    out += '{';
    Field(out, "force", row.force);
    Field(out, "pressure", row.pressure);
    Field(out, "label", row.label);
    out += std::string("\"breaksRule\":") + (row.breaks_rule ? "true" : "false") + "},";
  }
  if (out.back() == ',') out.pop_back();
  return out + "]}";
}

}  // namespace ostrel::web
