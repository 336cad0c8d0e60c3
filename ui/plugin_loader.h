// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>

class QObject;

namespace ostrel::ui {

// The instance of one of the program's own plugins (the calibration plot, the printer), looked
// for beside the program as installed (the library directory's ostrel/, relative to the
// program's), then in the application's library paths; null with the reason in *failure.
QObject* LoadProgramPlugin(const QString& file, QString* failure);

}  // namespace ostrel::ui
