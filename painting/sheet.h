// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <functional>

#include <QDateTime>
#include <QRectF>
#include <QString>

#include "core/calc_state.h"
#include "painting/figure_painter.h"
#include "present/view.h"

class QPainter;

namespace ostrel::painting {

// Paints an optional block below the figures into the rectangle it is given (device units),
// with the sheet's body font and scale.
using ExtraBlock = std::function<void(QPainter&, const QRectF&, const FigureStyle&)>;

// What one design sheet shows. The state and the view are read, never changed.
struct SheetContent {
  QString title;  // SheetTitle(): the design's file name, or "Untitled design"
  QDateTime when;
  const CalcState* state = nullptr;
  const View* view = nullptr;  // the boxes' texts and the unit selections
  // An optional block under the figures (the calibration's table and plot): the height it
  // needs in millimetres, taken from the figures, and what paints it. Nothing when zero.
  double extra_height_mm = 0;
  ExtraBlock paint_extra;
};

// The design's file name without its folder, or "Untitled design" for a design never saved.
QString SheetTitle(const QString& design_path);

// "Ostrel 1.0.0": the program and version that made the sheet.
QString ProgramVersionText();

// When the sheet was made, as "2026-12-09 14:05" in every locale: a sheet read elsewhere must
// not be read as another day.
QString SheetDateText(const QDateTime& when);

// One page on a device whose page is `page` (device units, the whole sheet of paper) with
// `device_per_mm` device units per millimetre: the title block, every box grouped by the
// window's sections with its quantity, text and unit, the three figures and the extra block.
void PaintSheet(QPainter& painter, const QRectF& page, double device_per_mm,
                const SheetContent& content);

}  // namespace ostrel::painting
