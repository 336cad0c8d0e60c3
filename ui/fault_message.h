// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include "core/fault.h"
#include "present/fault_detail.h"

class QLineEdit;
class QWidget;

namespace ostrel::ui {

// The fault report with its detail: the modal message box titled "Ostrel" naming the fault, with
// where it happened as its informative text; once the user has closed it, the box to change has
// the focus and its text selected (nothing moves where the detail names no box).
void ShowFaultReport(QWidget* parent, Fault fault, const FaultDetail& detail, QLineEdit* change);

}  // namespace ostrel::ui
