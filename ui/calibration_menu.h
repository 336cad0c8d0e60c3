// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

namespace ostrel::ui {

class CalibrationWindow;
class DocumentWindow;

// Adds View > Pressure Calibration to the program's window, and Undo and Redo of the calibration
// edits at the top of its Edit menu. The tool window is created the first
// time the entry is chosen (start-up creates nothing), shows the document's calibration, hands
// every edit back to the document (which marks a design with a file modified) and takes the
// document's points again after New and Open.
void AddPressureCalibration(DocumentWindow& document);

// The tool window, created and shown (or raised, once it exists).
CalibrationWindow& ShowPressureCalibration(DocumentWindow& document);

}  // namespace ostrel::ui
