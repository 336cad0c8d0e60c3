// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QLocale>
#include <QPageSize>

namespace ostrel::painting {

// The paper a sheet is laid out on: US Letter where the locale uses it (its measurement system
// is the US one, or its territory uses Letter although it measures in metric), A4 elsewhere.
QPageSize::PageSizeId PaperFor(const QLocale& locale);

}  // namespace ostrel::painting
