// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/paper.h"

namespace ostrel::painting {

namespace {

// Territories that use Letter although their measurement system is metric.
constexpr QLocale::Territory kLetterTerritories[] = {
    QLocale::Canada,     QLocale::Mexico,    QLocale::Philippines, QLocale::Chile,
    QLocale::Colombia,   QLocale::Venezuela, QLocale::CostaRica,   QLocale::Guatemala,
    QLocale::PuertoRico, QLocale::Panama,    QLocale::ElSalvador,  QLocale::DominicanRepublic,
};

}  // namespace

QPageSize::PageSizeId PaperFor(const QLocale& locale) {
  if (locale.measurementSystem() == QLocale::ImperialUSSystem) return QPageSize::Letter;
  for (const QLocale::Territory t : kLetterTerritories) {
    if (locale.territory() == t) return QPageSize::Letter;
  }
  return QPageSize::A4;
}

}  // namespace ostrel::painting
