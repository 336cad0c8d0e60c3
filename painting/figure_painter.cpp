// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "painting/figure_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>

#include "figures/figures.h"
#include "figures/scale.h"
#include "present/box_labels.h"

namespace ostrel::painting {

namespace {

using figures::Dimension;
using figures::Figure;
using figures::Part;
using figures::Point;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kFlaw(0xc0, 0x10, 0x10);

struct PartLook {
  Part part;
  QColor fill;
  Qt::PenStyle line;
};

// Parts underneath others are dashed: the truncation lies under the face.
const PartLook kLooks[] = {
    {Part::Face, QColor(0xdd, 0xe8, 0xf4), Qt::SolidLine},
    {Part::Truncation, QColor(Qt::transparent), Qt::DashLine},
    {Part::Hole, QColor(0xff, 0xff, 0xff), Qt::SolidLine},
    {Part::Cube, QColor(0xd6, 0xd6, 0xd6), Qt::SolidLine},
    {Part::Octahedron, QColor(0xdd, 0xe8, 0xf4), Qt::SolidLine},
    {Part::Gasket, QColor(0xe8, 0xc9, 0x8e), Qt::SolidLine},
    {Part::Tape, QColor(0x4a, 0x6f, 0xa5), Qt::SolidLine},
    {Part::Strip, QColor(0xe8, 0xc9, 0x8e), Qt::SolidLine},
};

const PartLook& LookOf(Part part) {
  for (const PartLook& look : kLooks) {
    if (look.part == part) return look;
  }
  return kLooks[0];
}

// A dimension's label: the name of what it measures, if any, then its box's text and unit.
QString Caption(const Dimension& d, const DimensionLabel& label) {
  const QString text = label(d.label);
  return d.name.empty() ? text : QString::fromStdString(d.name) + QLatin1Char(' ') + text;
}

bool Vertical(const Dimension& d) {
  return d.outward.x != 0;  // pushed sideways, so the line runs up and down
}

// Where the figure goes on the device, and everything measured to put it there.
class Layout {
 public:
  Layout(const Figure& f, const DimensionLabel& label, const QFontMetricsF& fm,
         double device_per_mm)
      : f_(f), label_(label), fm_(fm), device_per_mm_(device_per_mm) {
    row_ = fm.height() * 1.5;
    pad_ = fm.height() * 0.6;
    for (const Dimension& d : f.dimensions) {
      if (Vertical(d)) top_level_ = std::max(top_level_, d.level);
    }
  }

  // The largest round scale at which the figure and its labels fit in `area`, and where it
  // goes; false when nothing fits.
  bool Fit(const QRectF& area) {
    const figures::Bounds& b = f_.bounds;
    double s = 0;
    // The labels' overhang depends a little on the scale (the hole's label): settle it.
    for (int i = 0; i < 3; ++i) {
      Margins(s);
      const double w = area.width() - left_ - right_;
      const double h = area.height() - top_ - bottom_;
      if (!(w > 0) || !(h > 0)) return false;
      s = std::min(w / b.Width(), h / b.Height());
    }
    scale_ = figures::RoundScale(s / device_per_mm_);
    if (scale_.ratio <= 0) return false;
    s_ = scale_.ratio * device_per_mm_;
    Margins(s_);
    const double used_w = b.Width() * s_ + left_ + right_;
    const double used_h = b.Height() * s_ + top_ + bottom_;
    origin_ = QPointF(area.left() + (area.width() - used_w) / 2 + left_,
                      area.top() + (area.height() - used_h) / 2 + top_);
    return std::isfinite(origin_.x()) && std::isfinite(origin_.y());
  }

  QPointF Map(Point p) const {
    return {origin_.x() + (p.x - f_.bounds.left) * s_, origin_.y() + (f_.bounds.top - p.y) * s_};
  }
  double Length(double mm) const { return mm * s_; }
  // The bottom of the figure with its labels.
  double Bottom() const { return origin_.y() + f_.bounds.Height() * s_ + bottom_; }
  // A direction in the figure as a device direction (y flips).
  static QPointF Direction(Point d) { return {d.x, -d.y}; }

  // How far a dimension's line lies beyond its base.
  double Offset(const Dimension& d) const {
    return Vertical(d) ? pad_ + d.level * row_ * 0.7 : (d.level + 1) * row_;
  }
  // Where the labels of the lines running up and down start, beyond the outermost line: they
  // share one column on each side.
  double LabelOffset() const { return pad_ + top_level_ * row_ * 0.7 + pad_; }

  const figures::Scale& scale() const { return scale_; }
  double row() const { return row_; }
  double pad() const { return pad_; }

 private:
  // The room the labels need beyond the figure's bounds on each side, at scale s.
  void Margins(double s) {
    left_ = right_ = top_ = bottom_ = 0;
    const figures::Bounds& b = f_.bounds;
    for (const Dimension& d : f_.dimensions) {
      const double base_x = (d.base.x - b.left) * s;  // from the left bounds, device units
      const double base_y = (b.top - d.base.y) * s;
      if (Vertical(d)) {
        const double reach = LabelOffset() + fm_.horizontalAdvance(Caption(d, label_));
        if (d.outward.x > 0) right_ = std::max(right_, base_x + reach - b.Width() * s);
        if (d.outward.x < 0) left_ = std::max(left_, reach - base_x);
      } else {
        const double reach = Offset(d) + fm_.height() / 2;
        if (d.outward.y < 0) bottom_ = std::max(bottom_, base_y + reach - b.Height() * s);
        if (d.outward.y > 0) top_ = std::max(top_, reach - base_y);
      }
    }
    for (const figures::Diameter& d : f_.diameters) {
      const double end =
          (d.label_at.x - b.left) * s + pad_ / 2 + fm_.horizontalAdvance(label_(d.label));
      right_ = std::max(right_, end - b.Width() * s);
    }
    // A column of side labels taller than the figure reaches beyond it above and below.
    for (const double sign : {-1.0, 1.0}) {
      int count = 0;
      for (const Dimension& d : f_.dimensions) count += Vertical(d) && d.outward.x == sign;
      const double beyond = (count * fm_.height() - b.Height() * s) / 2;
      top_ = std::max(top_, beyond);
      bottom_ = std::max(bottom_, beyond);
    }
    // Half a label line all round, so that a line's width or an arrow never touches the edge.
    left_ += pad_ / 2;
    right_ += pad_ / 2;
    top_ += fm_.height() / 2;
    bottom_ += fm_.height() / 2;
  }

  const Figure& f_;
  const DimensionLabel& label_;
  const QFontMetricsF& fm_;
  double device_per_mm_;
  double row_ = 0;
  double pad_ = 0;
  int top_level_ = 0;
  double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
  double s_ = 0;
  figures::Scale scale_;
  QPointF origin_;
};

void Arrow(QPainter& p, QPointF tip, QPointF towards, double size) {
  const double len = std::hypot(towards.x(), towards.y());
  if (!(len > 0)) return;
  const QPointF u(towards.x() / len, towards.y() / len);
  const QPointF n(-u.y(), u.x());
  const QPointF back = tip - u * size;
  // Only the arrowheads' slanted sides need smoothing; the dimensions' lines run along the axes.
  p.setRenderHint(QPainter::Antialiasing, true);
  p.drawPolygon(QPolygonF({tip, back + n * size * 0.3, back - n * size * 0.3}));
  p.setRenderHint(QPainter::Antialiasing, false);
}

// A line from a to b with arrows at both ends: inside when there is room, else outside.
void ArrowedLine(QPainter& p, QPointF a, QPointF b, double arrow) {
  p.drawLine(a, b);
  const QPointF ab = b - a;
  if (std::hypot(ab.x(), ab.y()) > 2.5 * arrow) {
    Arrow(p, a, -ab, arrow);
    Arrow(p, b, ab, arrow);
  } else {
    Arrow(p, a, ab, arrow);
    Arrow(p, b, -ab, arrow);
    const double len = std::max(std::hypot(ab.x(), ab.y()), 1e-9);
    const QPointF u = ab / len * (1.5 * arrow);
    p.drawLine(a - u, a);
    p.drawLine(b, b + u);
  }
}

// Text centred on a point, on a white ground that interrupts the lines under it.
void CentredLabel(QPainter& p, const QFontMetricsF& fm, QPointF centre, const QString& text) {
  const double w = fm.horizontalAdvance(text) + fm.height() * 0.3;
  const QRectF r(centre.x() - w / 2, centre.y() - fm.height() / 2, w, fm.height());
  p.fillRect(r, Qt::white);
  p.drawText(r, Qt::AlignCenter, text);
}

void PaintDimensions(QPainter& p, const Figure& f, const Layout& layout,
                     const DimensionLabel& label, const QFontMetricsF& fm, double line_width) {
  const double arrow = fm.height() * 0.55;
  struct SideLabel {
    QString text;
    double line_x;
    double wanted_y;
    double label_x;  // where the label starts (right) or ends (left)
    bool right;
  };
  std::vector<SideLabel> side_labels;
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(kInk, line_width * 0.7));
  p.setBrush(kInk);
  for (const Dimension& d : f.dimensions) {
    const QPointF out = Layout::Direction(d.outward);
    const QPointF base = layout.Map(d.base);
    const double offset = layout.Offset(d);
    // The line's position across its run: the base pushed out by the offset.
    QPointF a = layout.Map(d.from);
    QPointF b = layout.Map(d.to);
    QPointF la = a, lb = b;
    if (Vertical(d)) {
      la.setX(base.x() + out.x() * offset);
      lb.setX(la.x());
    } else {
      la.setY(base.y() + out.y() * offset);
      lb.setY(la.y());
    }
    // Extension lines from just off the figure to a little beyond the dimension line.
    const QPointF gap = out * (layout.pad() * 0.3);
    const QPointF over = out * (layout.pad() * 0.4);
    p.drawLine(a + gap, la + over);
    p.drawLine(b + gap, lb + over);
    ArrowedLine(p, la, lb, arrow);
    if (Vertical(d)) {
      side_labels.push_back({Caption(d, label), la.x(), (la.y() + lb.y()) / 2,
                             base.x() + out.x() * layout.LabelOffset(), d.outward.x > 0});
    } else {
      CentredLabel(p, fm, (la + lb) / 2, Caption(d, label));
    }
  }
  // Side labels one under the other, each as near its line's middle as the others allow, with
  // a leader from that middle.
  std::sort(side_labels.begin(), side_labels.end(),
            [](const SideLabel& a, const SideLabel& b) { return a.wanted_y < b.wanted_y; });
  for (const bool right : {false, true}) {
    // Pushed apart downwards, then the whole column moved back so that it stays centred on
    // the middles it labels.
    std::vector<double> ys;
    double next = -1e300;
    double shift = 0;
    for (const SideLabel& l : side_labels) {
      if (l.right != right) continue;
      ys.push_back(std::max(l.wanted_y, next));
      next = ys.back() + fm.height();
      shift += l.wanted_y - ys.back();
    }
    if (ys.empty()) continue;
    shift /= static_cast<double>(ys.size());
    std::size_t i = 0;
    for (const SideLabel& l : side_labels) {
      if (l.right != right) continue;
      const double y = ys[i++] + shift;
      const double w = fm.horizontalAdvance(l.text);
      const double x = right ? l.label_x : l.label_x - w;
      const double near_x = right ? x - layout.pad() * 0.3 : x + w + layout.pad() * 0.3;
      p.setRenderHint(QPainter::Antialiasing, true);
      p.drawLine(QPointF(l.line_x, l.wanted_y), QPointF(near_x, y));
      p.setRenderHint(QPainter::Antialiasing, false);
      p.drawText(QRectF(x, y - fm.height() / 2, w + 1, fm.height()), Qt::AlignCenter, l.text);
    }
  }
  for (const figures::Diameter& d : f.diameters) {
    const QPointF a = layout.Map(d.from);
    const QPointF b = layout.Map(d.to);
    const QPointF end = layout.Map(d.label_at);
    ArrowedLine(p, a, b, arrow);
    p.drawLine(b, end);
    const QString text = QStringLiteral("\u2300 ") + label(d.label);
    p.drawText(QRectF(end.x() + layout.pad() / 2, end.y() - fm.height() / 2,
                      fm.horizontalAdvance(text) + 1, fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, text);
  }
}

// Fills without anti-aliasing and outlines with it: the outline covers the fill's stepped edge,
// and an anti-aliased fill of large areas costs several times more at high resolution.
void PaintShapes(QPainter& p, const Figure& f, const Layout& layout, double line_width) {
  const auto pen = [line_width](bool flawed, Qt::PenStyle style) {
    return QPen(flawed ? kFlaw : kInk, flawed ? 2 * line_width : line_width, style);
  };
  for (const figures::Outline& o : f.outlines) {
    const PartLook& look = LookOf(o.part);
    QPolygonF poly;
    for (const Point& pt : o.points) poly << layout.Map(pt);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(o.flawed ? QColor(0xf4, 0xb4, 0xb4) : look.fill);
    p.drawPolygon(poly);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(o.flawed, look.line));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(poly);
  }
  for (const figures::Circle& c : f.circles) {
    const PartLook& look = LookOf(c.part);
    const QPointF centre = layout.Map(c.centre);
    const double r = layout.Length(c.radius);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(look.fill);
    p.drawEllipse(centre, r, r);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(c.flawed, look.line));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
  }
  for (const figures::Outline& o : f.outlines) {
    if (!o.over_circles) continue;
    QPolygonF poly;
    for (const Point& pt : o.points) poly << layout.Map(pt);
    p.setPen(pen(o.flawed, LookOf(o.part).line));
    p.drawPolygon(poly);
  }
}

}  // namespace

QString BoxLabelText(const View& view, Box box) {
  const QString text = QString::fromStdString(view.BoxText(box));
  const std::string unit = UnitText(LabelOf(box).kind, SelectedUnits(view));
  return unit.empty() ? text : text + QLatin1Char(' ') + QString::fromStdString(unit);
}

void PaintFigure(QPainter& painter, const QRectF& rect, const Figure& figure,
                 const DimensionLabel& label, const FigureStyle& style) {
  painter.save();
  painter.setClipRect(rect);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont bold = style.font;
  bold.setBold(true);
  const QFontMetricsF fm(style.font, painter.device());
  const QFontMetricsF bold_fm(bold, painter.device());
  const double line_width = std::max(0.25 * style.device_per_mm, 1.0);

  painter.setFont(bold);
  painter.setPen(kInk);
  const QRectF title(rect.left(), rect.top(), rect.width(), bold_fm.height());
  painter.drawText(
      title, Qt::AlignHCenter | Qt::AlignTop,
      bold_fm.elidedText(QString::fromStdString(figure.title), Qt::ElideRight, rect.width()));
  painter.setFont(style.font);

  // Below the figure: its scale, then one line per flaw.
  const int notes = figure.Drawable() ? 1 + static_cast<int>(figure.flaws.size()) : 0;
  const QRectF area(rect.left(), title.bottom() + fm.height() * 0.3, rect.width(),
                    rect.height() - title.height() - fm.height() * (notes + 0.3));
  if (!figure.Drawable()) {
    painter.setPen(kFlaw);
    painter.drawText(area.adjusted(fm.height(), 0, -fm.height(), 0),
                     Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(figure.unavailable));
    painter.restore();
    return;
  }
  Layout layout(figure, label, fm, style.device_per_mm);
  double y = area.bottom();
  if (layout.Fit(area)) {
    y = std::min(y, layout.Bottom());
    PaintShapes(painter, figure, layout, line_width);
    painter.setPen(kInk);
    for (const figures::Note& note : figure.notes) {
      if (layout.Length(note.room) < fm.height() * 1.2) continue;
      const QPointF at = layout.Map(note.at);
      painter.drawText(
          QRectF(at.x() - rect.width(), at.y() - fm.height() / 2, 2 * rect.width(), fm.height()),
          Qt::AlignCenter, QString::fromStdString(note.text));
    }
    PaintDimensions(painter, figure, layout, label, fm, line_width);
    painter.setPen(QPen(kFlaw, line_width));
    painter.setBrush(Qt::NoBrush);
    for (const figures::Flaw& flaw : figure.flaws) {
      const double r = fm.height() * 0.6;
      painter.drawEllipse(layout.Map(flaw.at), r, r);
    }
  }
  painter.setPen(kInk);
  const QString scale = layout.scale().ratio > 0
                            ? QStringLiteral("Scale ") + QString::fromStdString(layout.scale().text)
                            : QStringLiteral("Too small to draw here");
  painter.drawText(QRectF(rect.left(), y, rect.width(), fm.height()), Qt::AlignHCenter, scale);
  painter.setPen(kFlaw);
  for (const figures::Flaw& flaw : figure.flaws) {
    y += fm.height();
    painter.drawText(QRectF(rect.left(), y, rect.width(), fm.height()), Qt::AlignHCenter,
                     fm.elidedText(QStringLiteral("Flaw: ") + QString::fromStdString(flaw.name),
                                   Qt::ElideRight, rect.width()));
  }
  painter.restore();
}

namespace {

QString FigureText(const Figure& figure, const DimensionLabel& label) {
  const QString title = QString::fromStdString(figure.title) + QStringLiteral(": ");
  if (!figure.Drawable()) return title + QString::fromStdString(figure.unavailable);
  QStringList parts;
  const auto measured = [&label](Box box, const std::string& name) {
    QString text = QString::fromUtf8(LabelOf(box).quantity);
    if (!name.empty())
      text += QStringLiteral(" (") + QString::fromStdString(name) + QLatin1Char(')');
    return text + QLatin1Char(' ') + label(box);
  };
  for (const figures::Dimension& d : figure.dimensions) parts << measured(d.label, d.name);
  for (const figures::Diameter& d : figure.diameters) parts << measured(d.label, {});
  for (const figures::Flaw& flaw : figure.flaws)
    parts << QStringLiteral("Flaw: ") + QString::fromStdString(flaw.name);
  return title + parts.join(QStringLiteral("; "));
}

}  // namespace

QString CellFiguresText(const CalcState& state, const View& view) {
  const DimensionLabel label = [&view](Box box) { return BoxLabelText(view, box); };
  return QStringList{FigureText(figures::FaceView(state), label),
                     FigureText(figures::GapSection(state), label),
                     FigureText(figures::GasketStrips(state), label)}
             .join(QStringLiteral(". ")) +
         QLatin1Char('.');
}

void PaintCellFigures(QPainter& painter, const QRectF& rect, const CalcState& state,
                      const View& view, const FigureStyle& style) {
  const DimensionLabel label = [&view](Box box) { return BoxLabelText(view, box); };
  const double gutter = QFontMetricsF(style.font, painter.device()).height();
  const double top_h = (rect.height() - gutter) * 0.6;
  const double half_w = (rect.width() - gutter) / 2;
  PaintFigure(painter, QRectF(rect.left(), rect.top(), half_w, top_h), figures::FaceView(state),
              label, style);
  PaintFigure(painter, QRectF(rect.right() - half_w, rect.top(), half_w, top_h),
              figures::GapSection(state), label, style);
  PaintFigure(painter,
              QRectF(rect.left(), rect.top() + top_h + gutter, rect.width(),
                     rect.height() - top_h - gutter),
              figures::GasketStrips(state), label, style);
}

}  // namespace ostrel::painting
