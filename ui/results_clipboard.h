// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "present/results_table.h"

class QMimeData;

namespace ostrel::ui {

// Edit > Copy Results: one row per box in write order, quantity, text as shown and unit.
// Tab-separated lines for a spreadsheet or a plain-text notebook.
QString ResultsText(const std::vector<ResultRow>& rows);
// The same rows as an HTML table, for what pastes formatted text.
QString ResultsHtml(const std::vector<ResultRow>& rows);
// Both, as the clipboard takes them (text/plain and text/html).
std::unique_ptr<QMimeData> ResultsMimeData(const std::vector<ResultRow>& rows);

}  // namespace ostrel::ui
