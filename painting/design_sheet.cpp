// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/design_sheet.h"

#include <QFile>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file/design_file.h"
#include "file/disk_file.h"
#include "painting/calibration_sheet.h"
#include "painting/sheet_pdf.h"

namespace ostrel::painting {
namespace {

constexpr int kWritten = 0;
constexpr int kFailed = 1;
constexpr int kRefused = 2;

// Why `out` must not be written over, or empty.
QString RefusedTarget(const std::string& design_path, const std::string& out) {
  const QString shown = QStringLiteral("\u201c%1\u201d").arg(ShownPath(out));
  if (file::SameFile(design_path, out))
    return QStringLiteral("%1 is the design file itself; nothing was written").arg(shown);
  const file::PathState target = file::Examine(out);
  if (target.kind == file::PathState::Kind::NotRegular)
    return QStringLiteral("%1: %2; nothing was written (- writes the sheet to standard output)")
        .arg(shown, QString::fromStdString(target.problem));
  if (target.kind == file::PathState::Kind::Regular && !target.head.empty() &&
      target.head.rfind("%PDF-", 0) != 0)
    return QStringLiteral(
               "%1 exists and is not a PDF; nothing was written (remove it or choose another "
               "name)")
        .arg(shown);
  return {};
}

QString WriteToStandardOutput(const QByteArray& pdf) {
  if (pdf.isEmpty())
    return QStringLiteral("The sheet could not be made: the PDF could not be started.");
  const auto size = static_cast<std::size_t>(pdf.size());
  if (std::fwrite(pdf.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
    return QStringLiteral("The sheet could not be written to standard output: %1.")
        .arg(QString::fromLocal8Bit(std::strerror(errno)));
  return {};
}

}  // namespace

DesignSheet::DesignSheet(const DesignNumbers& numbers, const QString& title,
                         const std::vector<CalibrationPoint>& calibration, const QDateTime& when)
    : numbers_(numbers) {
  content_.title = title;
  content_.when = when;
  content_.state = &numbers_.state;
  content_.view = &numbers_.view;
  AddCalibrationToSheet(content_, calibration);
}

std::unique_ptr<DesignSheet> SheetOfDesign(const Design& design, const QString& title,
                                           const QDateTime& when) {
  const DesignCalculator calculator(QLocale().decimalPoint().toStdString());
  return std::make_unique<DesignSheet>(calculator.Compute(design), title, design.calibration, when);
}

namespace {

// A sheet goes to the workshop: one with a number missing or left from elsewhere is worse than
// none. Empty when the design was computed whole.
QString NotComputed(const DesignSheet& sheet, const QString& title, const QString& shown_out) {
  if (sheet.Numbers().Whole()) return {};
  return QStringLiteral("no sheet was written to %1: the design %2 cannot be computed: %3")
      .arg(shown_out, title, QString::fromStdString(WhyNotComputed(sheet.Numbers())));
}

}  // namespace

QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when) {
  if (out.isEmpty()) return QStringLiteral("The sheet could not be written: no file name given.");
  const std::unique_ptr<DesignSheet> sheet = SheetOfDesign(design, title, when);
  const std::string path = QFile::encodeName(out).toStdString();
  if (QString why = NotComputed(*sheet, title, ShownPath(path)); !why.isEmpty()) return why;
  return WriteSheetFile(path, SheetPdf(sheet->Content()));
}

SheetRun WriteSheetOfDesignFile(const std::string& design_path, const std::string& out) {
  const bool to_standard_output = out == "-";
  if (!to_standard_output) {
    if (QString refused = RefusedTarget(design_path, out); !refused.isEmpty())
      return {kRefused, QStringLiteral("--sheet: ") + refused + QLatin1Char('.')};
  }
  const file::DesignRead read = file::ReadDesignFile(design_path);
  if (!read.design) return {kFailed, QString::fromStdString(read.error)};
  const QString title = SheetTitle(QFile::decodeName(design_path.c_str()));
  const std::unique_ptr<DesignSheet> sheet =
      SheetOfDesign(*read.design, title, QDateTime::currentDateTime());
  if (QString why = NotComputed(
          *sheet, title, to_standard_output ? QStringLiteral("standard output") : ShownPath(out));
      !why.isEmpty())
    return {kFailed, why};
  const QByteArray pdf = SheetPdf(sheet->Content());
  const QString error = to_standard_output ? WriteToStandardOutput(pdf) : WriteSheetFile(out, pdf);
  return {error.isEmpty() ? kWritten : kFailed, error};
}

}  // namespace ostrel::painting
