// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <string>
#include <vector>

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

// Writes the sheet of a design as a PDF to `out`, whole or not at all (WriteSheetFile). A design
// whose numbers cannot be computed whole gets no sheet: nothing is opened or written, and the
// message says why. Returns an empty string on success, else that message or WriteSheetFile's.
QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when = QDateTime::currentDateTime());

// `ostrel --sheet DESIGN.ostrel OUT.pdf`, paths as the bytes the system knows them by; OUT "-"
// is standard output. Before anything is read or written, the target is refused when it is the
// design file itself (by any path or link), a folder, device, pipe or socket, or an existing
// file (not empty) that is not a PDF. Then the design is read and computed; a design that cannot
// be computed whole gets no sheet. Otherwise the sheet, titled with the file's name, is written
// whole or not at all.
struct SheetRun {
  int status = 0;  // 0 written, 1 the design or the writing failed, 2 a target refused
  QString error;   // the message when status is not 0
};
SheetRun WriteSheetOfDesignFile(const std::string& design_path, const std::string& out);

}  // namespace ostrel::painting
