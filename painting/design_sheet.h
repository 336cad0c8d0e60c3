// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>
#include <vector>

#include <QDateTime>
#include <QString>

#include "calibration/calibration_point.h"
#include "design/design.h"
#include "design/design_numbers.h"
#include "painting/sheet.h"

namespace ostrel::painting {

// One design's sheet: a copy of the design's numbers and the content that shows them (the
// content points into the copy, so the sheet is neither copied nor moved).
class DesignSheet final {
 public:
  DesignSheet(const DesignNumbers& numbers, const QString& title,
              const std::vector<CalibrationPoint>& calibration, const QDateTime& when);
  DesignSheet(const DesignSheet&) = delete;
  DesignSheet& operator=(const DesignSheet&) = delete;

  const DesignNumbers& Numbers() const { return numbers_; }
  const SheetContent& Content() const { return content_; }

 private:
  DesignNumbers numbers_;
  SheetContent content_;
};

// The sheet of a design without a window: its numbers (design/design_numbers.h) with the
// locale's decimal separator, as the window computes them.
std::unique_ptr<DesignSheet> SheetOfDesign(const Design& design, const QString& title,
                                           const QDateTime& when);

// Writes the sheet of a design as a PDF to `out`. A design whose numbers cannot be computed
// whole gets no sheet: nothing is opened or written, and the message says why. Returns an empty
// string on success, else that message or the one of WriteSheetPdf.
QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when = QDateTime::currentDateTime());

// `ostrel --sheet DESIGN.ostrel OUT.pdf`: reads the design file and writes its sheet, titled
// with the file's name. Returns an empty string on success, else the message of the reader, of
// the design's fault or of WriteSheetPdf; nothing is written when the design cannot be read or
// computed.
QString WriteSheetOfDesignFile(const QString& design_path, const QString& out);

}  // namespace ostrel::painting
