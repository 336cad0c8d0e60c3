// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/results_clipboard.h"

#include <string>

#include <QMimeData>
#include <QStringList>

namespace ostrel::ui {
namespace {

// A box may hold a pasted tab or line break; a cell must not, or the table's columns shift.
QString Cell(const std::string& text) {
  QString cell = QString::fromStdString(text);
  for (QChar& c : cell) {
    if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
      c = QLatin1Char(' ');
  }
  return cell;
}

}  // namespace

QString ResultsText(const std::vector<ResultRow>& rows) {
  QString text;
  for (const ResultRow& row : rows) {
    text += QStringList{Cell(row.quantity), Cell(row.text), Cell(row.unit)}.join(QLatin1Char('\t'));
    text += QLatin1Char('\n');
  }
  return text;
}

QString ResultsHtml(const std::vector<ResultRow>& rows) {
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n<table>\n");
  for (const ResultRow& row : rows) {
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                .arg(Cell(row.quantity).toHtmlEscaped(), Cell(row.text).toHtmlEscaped(),
                     Cell(row.unit).toHtmlEscaped());
  }
  html += QStringLiteral("</table>\n</body></html>\n");
  return html;
}

std::unique_ptr<QMimeData> ResultsMimeData(const std::vector<ResultRow>& rows) {
  auto data = std::make_unique<QMimeData>();
  data->setText(ResultsText(rows));
  data->setHtml(ResultsHtml(rows));
  return data;
}

}  // namespace ostrel::ui
