// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/sheet.h"

#include <algorithm>
#include <array>

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include "present/results_table.h"
#include "present/sections.h"

namespace ostrel::painting {

namespace {

constexpr double kMarginMm = 15;
constexpr double kBodyPoints = 8.5;
constexpr double kSmallestPoints = 5;
// The window's sections in two columns: 1 to 3 on the left, 4, 5 and the pressure column on
// the right.
constexpr int kLeftColumnSections = 3;

QFont SheetFont(double points) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  return font;
}

using Rows = std::array<ResultRow, kBoxCount>;

Rows RowsByBox(const View& view) {
  Rows rows{};
  for (ResultRow& row : ResultRows(view)) rows[static_cast<int>(row.box)] = std::move(row);
  return rows;
}

// The widths of a value table's three columns in one font.
struct Columns {
  double name = 0;
  double text = 0;
  double unit = 0;
  double gap = 0;

  double Total() const { return name + text + unit + 2 * gap; }
};

Columns Measure(const Rows& rows, const QFontMetricsF& fm) {
  Columns c;
  c.gap = fm.height() * 0.8;
  for (const ResultRow& r : rows) {
    c.name = std::max(c.name, fm.horizontalAdvance(QString::fromStdString(r.quantity)));
    c.text = std::max(c.text, fm.horizontalAdvance(QString::fromStdString(r.text)));
    c.unit = std::max(c.unit, fm.horizontalAdvance(QString::fromStdString(r.unit)));
  }
  return c;
}

// Paints sections [first, last) into a column starting at `top`; returns the bottom.
double PaintSections(QPainter& p, const Rows& rows, int first, int last, double left, double top,
                     double width, const QFont& font, const Columns& columns) {
  QFont bold = font;
  bold.setBold(true);
  const QFontMetricsF fm(font, p.device());
  const double line = fm.height() * 1.15;
  double y = top;
  for (int i = first; i < last; ++i) {
    const Section& section = kSections[i];
    p.setFont(bold);
    const QString caption = QString::fromUtf8(section.caption);
    const QRectF caption_box =
        p.boundingRect(QRectF(left, y, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, caption);
    p.drawText(QRectF(left, y, width, caption_box.height()), Qt::TextWordWrap | Qt::AlignLeft,
               caption);
    y += caption_box.height() + fm.height() * 0.15;
    p.setFont(font);
    for (int b = 0; b < section.box_count; ++b) {
      const ResultRow& row = rows[static_cast<int>(section.boxes[b])];
      const double x_text = left + columns.name + columns.gap;
      const double x_unit = x_text + columns.text + columns.gap;
      p.drawText(QRectF(left, y, columns.name, line), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromStdString(row.quantity));
      p.drawText(QRectF(x_text, y, columns.text, line), Qt::AlignRight | Qt::AlignVCenter,
                 QString::fromStdString(row.text));
      p.drawText(QRectF(x_unit, y, columns.unit + 1, line), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromStdString(row.unit));
      y += line;
    }
    y += fm.height() * 0.6;
  }
  return y;
}

}  // namespace

QString SheetTitle(const QString& design_path) {
  const QString name = QFileInfo(design_path).fileName();
  return name.isEmpty() ? QStringLiteral("Untitled design") : name;
}

QString SheetDateText(const QDateTime& when) {
  return QLocale::c().toString(when, QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString ProgramVersionText() {
  return QStringLiteral("Ostrel " OSTREL_VERSION);
}

void PaintSheet(QPainter& p, const QRectF& page, double device_per_mm,
                const SheetContent& content) {
  if (content.view == nullptr) return;
  p.save();
  p.setPen(Qt::black);
  const double mm = device_per_mm;
  const QRectF body =
      page.adjusted(kMarginMm * mm, kMarginMm * mm, -kMarginMm * mm, -kMarginMm * mm);

  // Title block: the design's name on the left, when and by what on the right.
  QFont title_font = SheetFont(16);
  title_font.setBold(true);
  const QFont small = SheetFont(kBodyPoints);
  const QFontMetricsF title_fm(title_font, p.device());
  const QFontMetricsF small_fm(small, p.device());
  const QString stamp = SheetDateText(content.when);
  const QString version = ProgramVersionText();
  const double stamp_w =
      std::max(small_fm.horizontalAdvance(stamp), small_fm.horizontalAdvance(version)) +
      small_fm.height();
  p.setFont(title_font);
  p.drawText(QRectF(body.left(), body.top(), body.width() - stamp_w, title_fm.height()),
             Qt::AlignLeft | Qt::AlignVCenter,
             title_fm.elidedText(content.title, Qt::ElideMiddle, body.width() - stamp_w));
  p.setFont(small);
  p.drawText(QRectF(body.right() - stamp_w, body.top(), stamp_w, small_fm.height()), Qt::AlignRight,
             stamp);
  p.drawText(
      QRectF(body.right() - stamp_w, body.top() + small_fm.height(), stamp_w, small_fm.height()),
      Qt::AlignRight, version);
  double y = body.top() + std::max(title_fm.height(), 2 * small_fm.height()) + 2 * mm;
  p.setPen(QPen(Qt::black, 0.3 * mm));
  p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
  p.setPen(Qt::black);
  y += 3 * mm;

  // The values, in a font small enough for the widest name, text and unit to fit a column.
  const Rows rows = RowsByBox(*content.view);
  const double column_gap = 8 * mm;
  const double column_w = (body.width() - column_gap) / 2;
  double points = kBodyPoints;
  QFont font = SheetFont(points);
  Columns columns = Measure(rows, QFontMetricsF(font, p.device()));
  while (columns.Total() > column_w && points > kSmallestPoints) {
    points = std::max(kSmallestPoints, points * 0.92);
    font = SheetFont(points);
    columns = Measure(rows, QFontMetricsF(font, p.device()));
  }
  const double left_bottom =
      PaintSections(p, rows, 0, kLeftColumnSections, body.left(), y, column_w, font, columns);
  const double right_bottom = PaintSections(p, rows, kLeftColumnSections, kSectionCount,
                                            body.right() - column_w, y, column_w, font, columns);
  y = std::max(left_bottom, right_bottom);
  p.setPen(QPen(Qt::black, 0.3 * mm));
  p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
  y += 4 * mm;

  // The figures take what is left, less the extra block.
  const FigureStyle style{SheetFont(8), mm};
  const double extra = content.paint_extra ? std::max(0.0, content.extra_height_mm) * mm : 0;
  const QRectF figures(body.left(), y, body.width(), body.bottom() - y - extra);
  if (content.state != nullptr && figures.height() > 0) {
    PaintCellFigures(p, figures, *content.state, *content.view, style);
  }
  if (extra > 0) {
    content.paint_extra(p, QRectF(body.left(), body.bottom() - extra, body.width(), extra),
                        FigureStyle{font, mm});
  }
  p.restore();
}

}  // namespace ostrel::painting
