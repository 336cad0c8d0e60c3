// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/sheet_pdf.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include "file/disk_file.h"
#include "file/message_text.h"
#include "painting/paper.h"

namespace ostrel::painting {

QString ShownPath(const std::string& path) {
  return QString::fromStdString(file::EscapedPath(path));
}

QByteArray SheetPdf(const SheetContent& content) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(PaperFor(QLocale())));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(content.title);
    writer.setCreator(ProgramVersionText());
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    const double device_per_mm = DevicePerMm(writer.resolution());
    PaintSheet(painter, QRectF(0, 0, writer.width(), writer.height()), device_per_mm, content);
    if (!painter.end()) return {};
  }
  return bytes;
}

QString WriteSheetFile(const std::string& path, const QByteArray& pdf) {
  if (path.empty()) return QStringLiteral("The sheet could not be written: no file name given.");
  const auto failure = [&path](const QString& why) {
    return QStringLiteral("The sheet could not be written to \u201c%1\u201d: %2.")
        .arg(ShownPath(path), why);
  };
  if (pdf.isEmpty()) return failure(QStringLiteral("the PDF could not be started"));
  const file::FileWrite written = file::WriteFileAtomically(
      path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  if (!written.ok) return failure(QString::fromStdString(written.problem));
  return {};
}

QString WriteSheetPdf(const QString& path, const SheetContent& content) {
  if (path.isEmpty()) return QStringLiteral("The sheet could not be written: no file name given.");
  return WriteSheetFile(QFile::encodeName(path).toStdString(), SheetPdf(content));
}

}  // namespace ostrel::painting
