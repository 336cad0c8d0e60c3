// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <functional>

#include <QFont>
#include <QRectF>
#include <QString>

#include "core/calc_state.h"
#include "figures/figure.h"
#include "present/view.h"

class QPainter;

// Painting the figures and the design sheet.
//
// Data flow: CalcState -> figures/ (geometry in millimetres) -> PaintFigure scales each figure
// into its rectangle at a round scale and labels its dimensions with the boxes' texts from the
// View -> a widget, a PDF page or a printer page. The screen and the paper run the same code.
//
// Qt Gui only.
namespace ostrel::painting {

// How a figure is painted on one device.
// Device units per millimetre of a surface with this many dots per inch.
constexpr double DevicePerMm(double dots_per_inch) {
  return dots_per_inch / 25.4;
}

struct FigureStyle {
  QFont font;                              // labels; the title is this font in bold
  double device_per_mm = DevicePerMm(96);  // device units per millimetre of the device's surface
};

// The label of a dimension: its box's text and unit, "14 mm".
using DimensionLabel = std::function<QString(Box)>;

// The text a box shows followed by its unit in the view's selection ("14 mm"); the bare text
// where the unit group has no selection.
QString BoxLabelText(const View& view, Box box);

// Paints one figure into `rect`: its title on top, the figure at the largest round scale at
// which it and its dimensions fit, and below it the scale and the name of any flaw. A figure
// that cannot be drawn shows its reason in its place.
void PaintFigure(QPainter& painter, const QRectF& rect, const figures::Figure& figure,
                 const DimensionLabel& label, const FigureStyle& style);

// The three figures of the state's design in `rect`: the face view and the gap section side by
// side above the gasket strips.
void PaintCellFigures(QPainter& painter, const QRectF& rect, const CalcState& state,
                      const View& view, const FigureStyle& style);

// The three figures in words, their text alternative for a screen reader: each figure's title,
// then its dimensions by quantity with the labels it shows, or the sentence shown in its place,
// and any flaw it names. "Octahedron face on the truncation: Truncation edge length 6 mm; …".
QString CellFiguresText(const CalcState& state, const View& view);

}  // namespace ostrel::painting
