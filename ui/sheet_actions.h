// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

namespace ostrel::ui {

class DocumentWindow;

// View > Cell Drawing (the live drawing, created on first use), File > Export Sheet as PDF… and
// File > Print… (the design sheet of what the calculator shows, titled with the design's file
// name). None of them changes the design or its modified marker.
void AddDrawingAndSheetActions(DocumentWindow& window);

}  // namespace ostrel::ui
