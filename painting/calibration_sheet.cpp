// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/calibration_sheet.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "calibration/presenter/calibration_plot.h"
#include "calibration/presenter/calibration_presenter.h"
#include "calibration/presenter/label_places.h"

namespace ostrel::painting {
namespace {

constexpr double kBlockHeightMm = 72;
constexpr double kTableShare = 0.46;  // of the block's width; the plot takes the rest

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QString Number(double v) {
  return QString::number(v, 'g', 6);
}

// Returns the bottom of what was painted.
double PaintTable(QPainter& p, const QRectF& r, const CalibrationScreen& s, const QFont& font) {
  QFont bold = font;
  bold.setBold(true);
  const QFontMetricsF fm(font, p.device());
  const QFontMetricsF bold_fm(bold, p.device());
  const double line = fm.height() * 1.2;
  const double gap = fm.height() * 0.8;
  // The headers are bold, the rows not: each column as wide as the widest of either.
  double force_w = bold_fm.horizontalAdvance(Q(s.force_header));
  double pressure_w = bold_fm.horizontalAdvance(QStringLiteral("Pressure (GPa)"));
  for (const CalibrationRowTexts& row : s.rows) {
    force_w = std::max(force_w, fm.horizontalAdvance(Q(row.force)));
    pressure_w = std::max(pressure_w, fm.horizontalAdvance(Q(row.pressure)));
  }
  const double label_x = r.left() + force_w + pressure_w + 2 * gap;
  const double label_w = std::max(0.0, r.right() - label_x);

  // Room for the header, the rows and three lines of status and current pressure.
  const int fits = std::max(0, static_cast<int>((r.height() - 5 * line) / line));
  const int shown = std::min(fits, static_cast<int>(s.rows.size()));
  double y = r.top();
  p.setFont(bold);
  p.drawText(QRectF(r.left(), y, force_w, line), Qt::AlignRight | Qt::AlignVCenter,
             Q(s.force_header));
  p.drawText(QRectF(r.left() + force_w + gap, y, pressure_w, line),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pressure (GPa)"));
  p.drawText(QRectF(label_x, y, label_w, line), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Label"));
  y += line;
  p.setFont(font);
  for (int i = 0; i < shown; ++i) {
    const CalibrationRowTexts& row = s.rows[static_cast<std::size_t>(i)];
    const QString mark = row.breaks_rule ? QStringLiteral(" *") : QString();
    p.drawText(QRectF(r.left(), y, force_w, line), Qt::AlignRight | Qt::AlignVCenter, Q(row.force));
    p.drawText(QRectF(r.left() + force_w + gap, y, pressure_w, line),
               Qt::AlignRight | Qt::AlignVCenter, Q(row.pressure));
    p.drawText(QRectF(label_x, y, label_w, line), Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(Q(row.label) + mark, Qt::ElideRight, label_w));
    y += line;
  }
  if (shown < static_cast<int>(s.rows.size())) {
    p.drawText(QRectF(r.left(), y, r.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("\u2026 and %1 more points").arg(s.rows.size() - shown));
    y += line;
  }
  y += line * 0.4;
  const QString summary = s.status.empty() ? QStringLiteral("Calibrated pressure at %1: %2")
                                                 .arg(Q(s.current_force), Q(s.current_pressure))
                                           : Q(s.status);
  const QRectF text(r.left(), y, r.width(), std::max(0.0, r.bottom() - y));
  p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary);
  return y;
}

void PaintPlot(QPainter& p, const QRectF& r, const CalibrationPlotData& plot, const QFont& font,
               double mm) {
  const QFontMetricsF fm(font, p.device());
  const PlotAxis fx = NiceAxis(plot.force_max, 5);
  const PlotAxis fy = NiceAxis(plot.pressure_max, 5);
  const double tick_w =
      std::max(fm.horizontalAdvance(Number(fy.end)), fm.horizontalAdvance(QStringLiteral("00")));
  // Room on the left for the vertical title and the tick texts, below for the ticks and title.
  const QRectF area(r.left() + fm.height() * 1.4 + tick_w, r.top() + fm.height() * 0.5,
                    r.width() - fm.height() * 1.4 - tick_w - fm.height(),
                    r.height() - fm.height() * 4.2);
  if (area.width() <= 0 || area.height() <= 0) return;
  const auto at = [&](double force, double pressure) {
    return QPointF(area.left() + area.width() * force / fx.end,
                   area.bottom() - area.height() * pressure / fy.end);
  };

  p.save();
  p.setFont(font);
  p.setPen(QPen(QColor(200, 200, 200), 0.15 * mm));
  for (double v = fx.step; v <= fx.end + fx.step / 2; v += fx.step)
    p.drawLine(at(v, 0), at(v, fy.end));
  for (double v = fy.step; v <= fy.end + fy.step / 2; v += fy.step)
    p.drawLine(at(0, v), at(fx.end, v));
  p.setPen(QPen(Qt::black, 0.25 * mm));
  p.drawRect(area);
  for (double v = 0; v <= fx.end + fx.step / 2; v += fx.step) {
    const QPointF a = at(v, 0);
    p.drawText(QRectF(a.x() - 10 * mm, a.y() + fm.height() * 0.2, 20 * mm, fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, Number(v));
  }
  for (double v = 0; v <= fy.end + fy.step / 2; v += fy.step) {
    const QPointF a = at(0, v);
    p.drawText(
        QRectF(a.x() - tick_w - fm.height() * 0.3, a.y() - fm.height() / 2, tick_w, fm.height()),
        Qt::AlignRight | Qt::AlignVCenter, Number(v));
  }
  p.drawText(QRectF(area.left(), area.bottom() + fm.height() * 1.3, area.width(), fm.height()),
             Qt::AlignHCenter | Qt::AlignTop, Q(plot.force_title));
  p.save();
  p.translate(r.left(), area.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-area.height() / 2, 0, area.height(), fm.height()), Qt::AlignCenter,
             QStringLiteral("Sample pressure (GPa)"));
  p.restore();

  p.setClipRect(area);
  p.setRenderHint(QPainter::Antialiasing);
  const auto line = [&](const std::vector<PlotXY>& points, const QPen& pen) {
    if (points.size() < 2) return;
    QPainterPath path(at(points[0].force, points[0].pressure));
    for (std::size_t i = 1; i < points.size(); ++i)
      path.lineTo(at(points[i].force, points[i].pressure));
    p.strokePath(path, pen);
  };
  line(plot.theory, QPen(QColor(120, 120, 120), 0.3 * mm, Qt::DashLine));
  line(plot.curve, QPen(QColor(0, 114, 178), 0.45 * mm));
  line(plot.extension_below, QPen(QColor(0, 114, 178), 0.3 * mm, Qt::DotLine));
  line(plot.extension_above, QPen(QColor(0, 114, 178), 0.3 * mm, Qt::DotLine));
  p.setPen(QPen(QColor(0, 80, 125), 0.15 * mm));
  p.setBrush(QColor(0, 114, 178));
  for (std::size_t i = 0; i < plot.points.size(); ++i) {
    const QPointF c = at(plot.points[i].force, plot.points[i].pressure);
    p.drawEllipse(c, 0.9 * mm, 0.9 * mm);
  }
  if (plot.current) {
    p.setBrush(QColor(0, 158, 115));
    const QPointF c = at(plot.current->force, plot.current->pressure);
    p.drawRect(QRectF(c.x() - mm, c.y() - mm, 2 * mm, 2 * mm));
  }
  p.setClipping(false);
  p.setPen(Qt::black);
  // Each label where it covers no other label and no other point; one that fits nowhere is left
  // out (the table beside the plot names every point).
  std::vector<LabelToPlace> wanted;
  std::vector<QString> texts;
  for (std::size_t i = 0; i < plot.points.size() && i < plot.labels.size(); ++i) {
    const QString text = Q(plot.labels[i]);
    if (text.isEmpty()) continue;
    const QPointF c = at(plot.points[i].force, plot.points[i].pressure);
    wanted.push_back({c.x(), c.y(), fm.horizontalAdvance(text), fm.height()});
    texts.push_back(text);
  }
  const auto places = PlaceLabels(wanted, {area.left(), area.top(), area.width(), area.height()},
                                  1.5 * mm, 1.8 * mm);
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i]) p.drawText(QPointF(places[i]->left, places[i]->top + fm.ascent()), texts[i]);
  }
  // The key, one line under the title of the force axis.
  const QString key =
      plot.current ? QStringLiteral(
                         "Solid: calibration \u2003 dashed: theoretical pressure \u2003 square: "
                         "current force")
                   : QStringLiteral("Solid: calibration \u2003 dashed: theoretical pressure");
  p.drawText(QRectF(r.left(), r.bottom() - fm.height(), r.width(), fm.height()),
             Qt::AlignHCenter | Qt::AlignVCenter, fm.elidedText(key, Qt::ElideRight, r.width()));
  p.restore();
}

}  // namespace

void AddCalibrationToSheet(SheetContent& content, const std::vector<CalibrationPoint>& points) {
  if (points.empty() || content.state == nullptr || content.view == nullptr) return;
  KeptCalibrationScreen copy;
  CalibrationPresenter presenter(copy, {});
  presenter.SetPoints(points);
  presenter.Follow(*content.state, *content.view);
  auto screen = std::make_shared<const CalibrationScreen>(copy.Screen());
  content.extra_height_mm = kBlockHeightMm;
  content.paint_extra = [screen](QPainter& p, const QRectF& r, const FigureStyle& style) {
    const double mm = style.device_per_mm;
    QFont title = style.font;
    title.setBold(true);
    const QFontMetricsF title_fm(title, p.device());
    p.save();
    p.setPen(QPen(Qt::black, 0.3 * mm));
    p.drawLine(r.topLeft(), r.topRight());
    p.setPen(Qt::black);
    p.setFont(title);
    const double top = r.top() + 2 * mm;
    p.drawText(QRectF(r.left(), top, r.width(), title_fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pressure calibration"));
    const double body_top = top + title_fm.height() * 1.4;
    const double table_w = r.width() * kTableShare;
    PaintTable(p, QRectF(r.left(), body_top, table_w - 4 * mm, r.bottom() - body_top), *screen,
               style.font);
    PaintPlot(p, QRectF(r.left() + table_w, body_top, r.width() - table_w, r.bottom() - body_top),
              screen->plot, style.font, mm);
    p.restore();
  };
}

}  // namespace ostrel::painting
