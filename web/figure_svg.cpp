// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "web/figure_svg.h"
#include "web/markup_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "figures/figures.h"
#include "figures/scale.h"
#include "present/box_labels.h"

namespace ostrel::web {
namespace {

using figures::Dimension;
using figures::Figure;
using figures::Part;
using figures::Point;

constexpr double kPxPerMm = 96 / 25.4;
constexpr double kFont = 11;        // label size, px
constexpr double kCharWidth = 6.2;  // a label character's advance at that size, generously
constexpr double kRow = kFont * 1.5;
constexpr double kPad = kFont * 0.6;

struct PartLook {
  Part part;
  const char* fill;
  bool dashed;
};

// Parts underneath others are dashed: the truncation lies under the face.
constexpr PartLook kLooks[] = {
    {Part::Face, "#dde8f4", false},       {Part::Truncation, "none", true},
    {Part::Hole, "#ffffff", false},       {Part::Cube, "#d6d6d6", false},
    {Part::Octahedron, "#dde8f4", false}, {Part::Gasket, "#e8c98e", false},
    {Part::Tape, "#4a6fa5", false},       {Part::Strip, "#e8c98e", false},
};

const PartLook& LookOf(Part part) {
  for (const PartLook& look : kLooks) {
    if (look.part == part) return look;
  }
  return kLooks[0];
}

// The text a box shows followed by its unit, "14 mm", as the desktop labels a dimension.
std::string LabelText(const View& view, Box box) {
  const std::string text = view.BoxText(box);
  const std::string unit = UnitText(LabelOf(box).kind, SelectedUnits(view));
  return unit.empty() ? text : text + ' ' + unit;
}

std::string Caption(const Dimension& d, const View& view) {
  const std::string text = LabelText(view, d.label);
  return d.name.empty() ? text : d.name + ' ' + text;
}

double TextWidth(const std::string& text) {
  // UTF-8 continuation bytes take no room of their own.
  double count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count * kCharWidth;
}

bool Vertical(const Dimension& d) {
  return d.outward.x != 0;
}

double Offset(const Dimension& d) {
  return Vertical(d) ? kPad + d.level * kRow * 0.7 : (d.level + 1) * kRow;
}

class Svg {
 public:
  Svg(double width, double height) {
    out_ = "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"" + Coordinate(width) +
           "\" height=\"" + Coordinate(height) + "\" viewBox=\"0 0 " + Coordinate(width) + ' ' +
           Coordinate(height) +
           "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"" +
           Coordinate(kFont) + "\">";
  }
  void Line(double x1, double y1, double x2, double y2, const char* colour = "#202020") {
    out_ += "<line x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) + "\" x2=\"" +
            Coordinate(x2) + "\" y2=\"" + Coordinate(y2) + "\" stroke=\"" + colour +
            "\" stroke-width=\"0.7\"/>";
  }
  void Text(double x, double y, const std::string& text, const char* anchor = "middle",
            const char* colour = "#202020", bool bold = false) {
    out_ += "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" text-anchor=\"" +
            anchor + "\" dominant-baseline=\"middle\" fill=\"" + colour + "\"" +
            (bold ? " font-weight=\"bold\"" : "") + ">" + Escaped(text) + "</text>";
  }
  void Raw(const std::string& text) { out_ += text; }
  std::string Finish() { return out_ + "</svg>"; }

 private:
  std::string out_;
};

// A dimension's line with an arrowhead at each end.
void ArrowedLine(Svg& svg, double ax, double ay, double bx, double by) {
  svg.Line(ax, ay, bx, by);
  const double len = std::hypot(bx - ax, by - ay);
  if (!(len > 0)) return;
  const double ux = (bx - ax) / len, uy = (by - ay) / len;
  const double size = kFont * 0.55;
  const double inside = len > 2.5 * size ? 1 : -1;
  for (const int end : {0, 1}) {
    const double tx = end ? bx : ax, ty = end ? by : ay;
    const double dx = (end ? -ux : ux) * inside, dy = (end ? -uy : uy) * inside;
    const double backx = tx + dx * size, backy = ty + dy * size;
    svg.Raw("<polygon fill=\"#202020\" points=\"" + Coordinate(tx) + ',' + Coordinate(ty) + ' ' +
            Coordinate(backx - dy * size * 0.3) + ',' + Coordinate(backy + dx * size * 0.3) + ' ' +
            Coordinate(backx + dy * size * 0.3) + ',' + Coordinate(backy - dx * size * 0.3) +
            "\"/>");
  }
}

std::string FigureSvg(const Figure& f, const View& view, double width, double height) {
  Svg svg(width, height);
  svg.Text(width / 2, kRow / 2 + 2, f.title, "middle", "#202020", true);
  if (!f.Drawable()) {
    svg.Text(width / 2, height / 2, f.unavailable);
    return svg.Finish();
  }
  const figures::Bounds& b = f.bounds;
  // Room for the labels: the widest label beside the figure on each side where a dimension
  // runs up and down, a row per level above and below.
  double left = kPad, right = kPad, top = kRow * 1.5, bottom = kRow * 2 + kRow * f.flaws.size();
  for (const Dimension& d : f.dimensions) {
    if (Vertical(d)) {
      const double reach = Offset(d) + kPad * 2 + TextWidth(Caption(d, view));
      (d.outward.x > 0 ? right : left) = std::max(d.outward.x > 0 ? right : left, reach + kPad);
    } else {
      const double reach = Offset(d) + kFont;
      if (d.outward.y < 0) bottom = std::max(bottom, kRow * 2 + reach);
      if (d.outward.y > 0) top = std::max(top, kRow + reach);
    }
  }
  for (const figures::Diameter& d : f.diameters) {
    right = std::max(right, TextWidth("\u2300 " + LabelText(view, d.label)) + kPad * 2);
  }
  const double fit =
      std::min((width - left - right) / b.Width(), (height - top - bottom) / b.Height());
  const figures::Scale scale = figures::RoundScale(fit / kPxPerMm);
  if (scale.ratio <= 0) {
    svg.Text(width / 2, height / 2, "Cannot be drawn: no room at any scale.");
    return svg.Finish();
  }
  const double s = scale.ratio * kPxPerMm;
  const double ox = left + (width - left - right - b.Width() * s) / 2;
  const double oy = top + (height - top - bottom - b.Height() * s) / 2;
  const auto mx = [&](double x) { return ox + (x - b.left) * s; };
  const auto my = [&](double y) { return oy + (b.top - y) * s; };

  for (const figures::Outline& o : f.outlines) {
    const PartLook& look = LookOf(o.part);
    std::string points;
    for (const Point& p : o.points) points += Coordinate(mx(p.x)) + ',' + Coordinate(my(p.y)) + ' ';
    svg.Raw("<polygon points=\"" + points + "\" fill=\"" + (o.flawed ? "#f4b4b4" : look.fill) +
            "\" stroke=\"" + (o.flawed ? "#c01010" : "#202020") + "\" stroke-width=\"" +
            (o.flawed ? "2" : "1") + "\"" + (look.dashed ? " stroke-dasharray=\"4 3\"" : "") +
            "/>");
  }
  for (const figures::Circle& c : f.circles) {
    const PartLook& look = LookOf(c.part);
    svg.Raw("<circle cx=\"" + Coordinate(mx(c.centre.x)) + "\" cy=\"" + Coordinate(my(c.centre.y)) +
            "\" r=\"" + Coordinate(c.radius * s) + "\" fill=\"" + look.fill + "\" stroke=\"" +
            (c.flawed ? "#c01010" : "#202020") + "\" stroke-width=\"" + (c.flawed ? "2" : "1") +
            "\"/>");
  }
  struct SideLabel {
    std::string text;
    double line_x;
    double wanted_y;
    double label_x;  // where the label starts (right) or ends (left)
    bool right;
  };
  std::vector<SideLabel> side;
  int top_level = 0;
  for (const Dimension& d : f.dimensions) {
    if (Vertical(d)) top_level = std::max(top_level, d.level);
  }
  const double label_offset = kPad + top_level * kRow * 0.7 + kPad;
  for (const Dimension& d : f.dimensions) {
    const double outx = d.outward.x, outy = -d.outward.y;
    const double offset = Offset(d);
    double ax = mx(d.from.x), ay = my(d.from.y), bx = mx(d.to.x), by = my(d.to.y);
    double lax = ax, lay = ay, lbx = bx, lby = by;
    if (Vertical(d)) {
      lax = lbx = mx(d.base.x) + outx * offset;
    } else {
      lay = lby = my(d.base.y) + outy * offset;
    }
    svg.Line(ax + outx * kPad * 0.3, ay + outy * kPad * 0.3, lax + outx * kPad * 0.4,
             lay + outy * kPad * 0.4);
    svg.Line(bx + outx * kPad * 0.3, by + outy * kPad * 0.3, lbx + outx * kPad * 0.4,
             lby + outy * kPad * 0.4);
    ArrowedLine(svg, lax, lay, lbx, lby);
    const std::string caption = Caption(d, view);
    if (Vertical(d)) {
      side.push_back({caption, lax, (lay + lby) / 2, mx(d.base.x) + outx * label_offset, outx > 0});
    } else {
      const double w = TextWidth(caption) + 4;
      svg.Raw("<rect x=\"" + Coordinate((lax + lbx) / 2 - w / 2) + "\" y=\"" +
              Coordinate(lay - kFont / 2 - 1) + "\" width=\"" + Coordinate(w) + "\" height=\"" +
              Coordinate(kFont + 2) + "\" fill=\"#ffffff\"/>");
      svg.Text((lax + lbx) / 2, lay, caption);
    }
  }
  // Side labels one under the other, each as near its line's middle as the others allow, the
  // column centred on the middles it labels, with a leader from each middle.
  std::sort(side.begin(), side.end(),
            [](const SideLabel& a, const SideLabel& b) { return a.wanted_y < b.wanted_y; });
  for (const bool on_right : {false, true}) {
    std::vector<double> ys;
    double next = -1e300, shift = 0;
    for (const SideLabel& l : side) {
      if (l.right != on_right) continue;
      ys.push_back(std::max(l.wanted_y, next));
      next = ys.back() + kFont * 1.2;
      shift += l.wanted_y - ys.back();
    }
    if (ys.empty()) continue;
    shift /= static_cast<double>(ys.size());
    std::size_t i = 0;
    for (const SideLabel& l : side) {
      if (l.right != on_right) continue;
      const double y = ys[i++] + shift;
      svg.Line(l.line_x, l.wanted_y, l.label_x + (on_right ? -kPad * 0.3 : kPad * 0.3), y);
      svg.Text(l.label_x, y, l.text, on_right ? "start" : "end");
    }
  }
  for (const figures::Diameter& d : f.diameters) {
    ArrowedLine(svg, mx(d.from.x), my(d.from.y), mx(d.to.x), my(d.to.y));
    svg.Line(mx(d.to.x), my(d.to.y), mx(d.label_at.x), my(d.label_at.y));
    svg.Text(mx(d.label_at.x) + kPad / 2, my(d.label_at.y), "\u2300 " + LabelText(view, d.label),
             "start");
  }
  for (const figures::Note& n : f.notes) {
    if (n.room * s >= kFont) svg.Text(mx(n.at.x), my(n.at.y), n.text);
  }
  double y = height - kRow * (0.5 + f.flaws.size());
  svg.Text(width / 2, y, "Scale " + scale.text);
  for (const figures::Flaw& flaw : f.flaws) {
    svg.Raw("<circle cx=\"" + Coordinate(mx(flaw.at.x)) + "\" cy=\"" + Coordinate(my(flaw.at.y)) +
            "\" r=\"6\" fill=\"none\" stroke=\"#c01010\" stroke-width=\"2\"/>");
    y += kRow;
    svg.Text(width / 2, y, "Flaw: " + flaw.name, "middle", "#c01010");
  }
  return svg.Finish();
}

}  // namespace

std::string CellDrawingSvg(const CalcState& state, const View& view) {
  return FigureSvg(figures::FaceView(state), view, 400, 340) +
         FigureSvg(figures::GapSection(state), view, 400, 340) +
         FigureSvg(figures::GasketStrips(state), view, 800, 300);
}

}  // namespace ostrel::web
