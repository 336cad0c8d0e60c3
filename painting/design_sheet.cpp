// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/design_sheet.h"

#include <QFileInfo>
#include <QLocale>

#include "file/design_file.h"
#include "painting/calibration_sheet.h"
#include "painting/sheet_pdf.h"

namespace ostrel::painting {

DesignSheet::DesignSheet(const DesignNumbers& numbers, const QString& title,
                         const std::vector<CalibrationPoint>& calibration, const QDateTime& when)
    : numbers_(numbers) {
  content_.title = title;
  content_.when = when;
  content_.state = &numbers_.state;
  content_.view = &numbers_.view;
  AddCalibrationToSheet(content_, calibration);
}

std::unique_ptr<DesignSheet> SheetOfDesign(const Design& design, const QString& title,
                                           const QDateTime& when) {
  const DesignCalculator calculator(QLocale().decimalPoint().toStdString());
  return std::make_unique<DesignSheet>(calculator.Compute(design), title, design.calibration, when);
}

QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when) {
  const std::unique_ptr<DesignSheet> sheet = SheetOfDesign(design, title, when);
  // A sheet goes to the workshop: one with a number missing or left from elsewhere is worse
  // than none.
  if (!sheet->Numbers().Whole()) {
    return QStringLiteral("no sheet was written to %1: the design %2 cannot be computed: %3")
        .arg(QFileInfo(out).fileName(), title,
             QString::fromStdString(WhyNotComputed(sheet->Numbers())));
  }
  return WriteSheetPdf(out, sheet->Content());
}

QString WriteSheetOfDesignFile(const QString& design_path, const QString& out) {
  const file::DesignRead read = file::ReadDesignFile(design_path);
  if (!read.design) return read.error;
  return WriteDesignSheet(*read.design, SheetTitle(design_path), out);
}

}  // namespace ostrel::painting
