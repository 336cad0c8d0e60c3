// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <cmath>

#include "figures/drawable.h"
#include "figures/figures.h"

namespace ostrel::figures {

namespace {

// A strip centred on x = centre_x, its inner edge along y = 0 and its outer edge along
// y = -width, with the inner edge dimensioned above, the outer below and the width on the side
// `side` (-1 left, +1 right).
void AddStrip(Figure& f, double centre_x, double inner, double outer, double width, Box inner_box,
              Box outer_box, double side, const char* name) {
  const double li = centre_x - inner / 2;
  const double ri = centre_x + inner / 2;
  const double lo = centre_x - outer / 2;
  const double ro = centre_x + outer / 2;
  f.outlines.push_back({Part::Strip, {{li, 0}, {ri, 0}, {ro, -width}, {lo, -width}}});
  f.dimensions.push_back({{li, 0}, {ri, 0}, {0, 1}, {centre_x, 0}, 0, inner_box, ""});
  f.dimensions.push_back(
      {{lo, -width}, {ro, -width}, {0, -1}, {centre_x, -width}, 0, outer_box, ""});
  f.notes.push_back({name, {centre_x, -width / 2}, width});
  const double side_x = centre_x + side * std::fmax(inner, outer) / 2;
  f.dimensions.push_back(
      {{side_x, -width}, {side_x, 0}, {side, 0}, {side_x, 0}, 0, Box::txtGasketWidth, ""});
}

}  // namespace

Figure GasketStrips(const CalcState& s) {
  Figure f;
  f.title = "Gasket strips";
  f.unavailable = WhyDesignNotDrawable(s);
  if (f.unavailable.empty()) {
    f.unavailable = WhyNotDrawable({{Box::txtGasketWidth, s.GasketWidth},
                                    {Box::txtInnerShortEdge, s.InnerShortEdge},
                                    {Box::txtOuterShortEdge, s.OuterShortEdge},
                                    {Box::txtInnerLongEdge, s.InnerLongEdge},
                                    {Box::txtOuterLongEdge, s.OuterLongEdge}});
  }
  if (!f.Drawable()) return f;

  const double short_span = std::fmax(double{s.InnerShortEdge}, s.OuterShortEdge);
  const double long_span = std::fmax(double{s.InnerLongEdge}, s.OuterLongEdge);
  const double gap = 0.25 * std::fmax(short_span, long_span);
  AddStrip(f, 0, s.InnerShortEdge, s.OuterShortEdge, s.GasketWidth, Box::txtInnerShortEdge,
           Box::txtOuterShortEdge, -1, "short");
  AddStrip(f, short_span / 2 + gap + long_span / 2, s.InnerLongEdge, s.OuterLongEdge, s.GasketWidth,
           Box::txtInnerLongEdge, Box::txtOuterLongEdge, 1, "long");
  Finish(f);
  return f;
}

}  // namespace ostrel::figures
