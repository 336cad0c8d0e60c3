// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/sheet_pdf.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "painting/paper.h"

namespace ostrel::painting {

namespace {

QString Failure(const QString& path, const QString& why) {
  return QStringLiteral("The sheet could not be written to \u201c%1\u201d: %2")
      .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

QString WriteSheetPdf(const QString& path, const SheetContent& content) {
  if (path.isEmpty()) return QStringLiteral("The sheet could not be written: no file name given.");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure(path, file.errorString());
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(PaperFor(QLocale())));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(content.title);
    writer.setCreator(ProgramVersionText());
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      return Failure(path, QStringLiteral("the PDF could not be started"));
    }
    const double device_per_mm = DevicePerMm(writer.resolution());
    PaintSheet(painter, QRectF(0, 0, writer.width(), writer.height()), device_per_mm, content);
    painter.end();
  }
  if (!file.commit()) return Failure(path, file.errorString());
  return {};
}

}  // namespace ostrel::painting
