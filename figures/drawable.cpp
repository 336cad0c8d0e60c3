// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "figures/drawable.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "present/box_labels.h"

namespace ostrel::figures {

namespace {

std::string QuantityName(Box box) {
  std::string name = LabelOf(box).quantity;
  if (!name.empty()) name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  return name;
}

constexpr const char* kCannot = "Cannot be drawn: the ";

}  // namespace

std::string WhyNotDrawable(std::initializer_list<NeededLength> lengths) {
  for (const NeededLength& l : lengths) {
    const char* what = nullptr;
    if (!std::isfinite(l.value)) {
      what = " is not a finite number.";
    } else if (l.value < 0) {
      what = " is negative.";
    } else if (l.value == 0 && !l.zero_allowed) {
      what = " is zero.";
    }
    if (what != nullptr) return kCannot + QuantityName(l.box) + what;
  }
  return {};
}

std::string WhyDesignNotDrawable(const CalcState& s) {
  std::string why = WhyNotDrawable({{Box::txtOEL, s.OEL}, {Box::txtTEL, s.TEL}});
  if (why.empty() && s.TEL >= s.OEL) {
    why = std::string(kCannot) + QuantityName(Box::txtTEL) + " is not shorter than the " +
          QuantityName(Box::txtOEL) + ".";
  }
  return why;
}

void Finish(Figure& figure) {
  if (!figure.Drawable()) return;
  bool any = false;
  bool finite = true;
  Bounds b;
  const auto take = [&](double left, double bottom, double right, double top) {
    finite = finite && std::isfinite(left) && std::isfinite(bottom) && std::isfinite(right) &&
             std::isfinite(top);
    if (!any) {
      b = {left, bottom, right, top};
      any = true;
      return;
    }
    b.left = std::min(b.left, left);
    b.bottom = std::min(b.bottom, bottom);
    b.right = std::max(b.right, right);
    b.top = std::max(b.top, top);
  };
  for (const Outline& o : figure.outlines) {
    for (const Point& p : o.points) take(p.x, p.y, p.x, p.y);
  }
  for (const Circle& c : figure.circles) {
    take(c.centre.x - c.radius, c.centre.y - c.radius, c.centre.x + c.radius,
         c.centre.y + c.radius);
  }
  figure.bounds = b;
  // Every other coordinate lies within these bounds or is made of the same values, so finite
  // bounds with an extent mean a figure the painter can scale.
  finite = finite && std::isfinite(b.left) && std::isfinite(b.right) && std::isfinite(b.top) &&
           std::isfinite(b.bottom) && std::isfinite(b.Width()) && std::isfinite(b.Height());
  if (!any || !finite || !(b.Width() > 0) || !(b.Height() > 0)) {
    Figure empty;
    empty.title = figure.title;
    empty.unavailable = "Cannot be drawn: the sizes are too far apart to draw.";
    figure = empty;
  }
}

}  // namespace ostrel::figures
