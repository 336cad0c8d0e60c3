// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>

#include <QDateTime>

#include "painting/design_sheet.h"

namespace ostrel::ui {

class DocumentWindow;

// The sheet that Export and Print make: the design's numbers (never the boxes' texts), titled
// with its file's name, with its calibration. The caller applies pending values first.
std::unique_ptr<painting::DesignSheet> SheetOfDocument(
    const DocumentWindow& window, const QDateTime& when = QDateTime::currentDateTime());

// View > Cell Drawing (the live drawing, created on first use), File > Export Sheet as PDF… and
// File > Print… (the design sheet of the design's numbers, titled with the design's file name;
// pending values are applied first, and a design that cannot be computed whole is refused with
// its fault report). None of them changes the design or its modified marker.
void AddDrawingAndSheetActions(DocumentWindow& window);

}  // namespace ostrel::ui
