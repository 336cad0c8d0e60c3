// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/design_sheet.h"

#include <QFile>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "design/open_design.h"
#include "file/design_file.h"
#include "file/disk_file.h"
#include "painting/calibration_sheet.h"
#include "painting/sheet.h"
#include "painting/sheet_pdf.h"
#include "present/handlers.h"
#include "present/text_view.h"

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

QByteArray DesignSheetPdf(const Design& design, const QString& title, const QDateTime& when) {
  CalcState state;
  TextView view(QLocale().decimalPoint().toStdString());
  Handlers handlers{state, view};
  view.Attach(&handlers);
  // A fault here is what the window would have reported; the sheet shows the boxes as it left
  // them, as the window would.
  (void)handlers.Form_Load();
  (void)OpenDesign(design, state, view);
  SheetContent content;
  content.title = title;
  content.when = when;
  content.state = &state;
  content.view = &view;
  AddCalibrationToSheet(content, design.calibration);
  return SheetPdf(content);
}

QString WriteDesignSheet(const Design& design, const QString& title, const QString& out,
                         const QDateTime& when) {
  if (out.isEmpty()) return QStringLiteral("The sheet could not be written: no file name given.");
  return WriteSheetFile(QFile::encodeName(out).toStdString(), DesignSheetPdf(design, title, when));
}

SheetRun WriteSheetOfDesignFile(const std::string& design_path, const std::string& out) {
  const bool to_standard_output = out == "-";
  if (!to_standard_output) {
    if (QString refused = RefusedTarget(design_path, out); !refused.isEmpty())
      return {kRefused, QStringLiteral("--sheet: ") + refused + QLatin1Char('.')};
  }
  const file::DesignRead read = file::ReadDesignFile(design_path);
  if (!read.design) return {kFailed, QString::fromStdString(read.error)};
  const QByteArray pdf =
      DesignSheetPdf(*read.design, SheetTitle(QFile::decodeName(design_path.c_str())));
  const QString error = to_standard_output ? WriteToStandardOutput(pdf) : WriteSheetFile(out, pdf);
  return {error.isEmpty() ? kWritten : kFailed, error};
}

}  // namespace ostrel::painting
