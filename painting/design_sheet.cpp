// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/design_sheet.h"

#include <QLocale>

#include "design/open_design.h"
#include "file/design_file.h"
#include "painting/calibration_sheet.h"
#include "painting/sheet.h"
#include "painting/sheet_pdf.h"
#include "present/handlers.h"
#include "present/text_view.h"

namespace ostrel::painting {

QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when) {
  CalcState state;
  TextView view(QLocale().decimalPoint().toStdString());
  Handlers handlers{state, view};
  view.Attach(&handlers);
  // A fault here is what the window would have reported; the sheet shows the boxes as it left
  // them, as the window would.
  (void)handlers.Form_Load();
  (void)OpenDesign(design, state, view);
  SheetContent content;
  content.title = title;
  content.when = when;
  content.state = &state;
  content.view = &view;
  AddCalibrationToSheet(content, design.calibration);
  return WriteSheetPdf(out, content);
}

QString WriteSheetOfDesignFile(const QString& design_path, const QString& out) {
  const file::DesignRead read = file::ReadDesignFile(design_path);
  if (!read.design) return read.error;
  return WriteDesignSheet(*read.design, SheetTitle(design_path), out);
}

}  // namespace ostrel::painting
