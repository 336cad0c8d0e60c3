// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <cmath>

#include "figures/drawable.h"
#include "figures/figures.h"

namespace ostrel::figures {

namespace {

// An equilateral triangle of edge `edge`, centroid at the origin, a corner pointing up: its
// inradius is edge / (2√3) and its circumradius twice that.
std::vector<Point> Triangle(double edge) {
  const double r = edge / (2 * std::sqrt(3.0));
  return {{0, 2 * r}, {-edge / 2, -r}, {edge / 2, -r}};
}

}  // namespace

Figure FaceView(const CalcState& s) {
  Figure f;
  f.title = "Octahedron face on the truncation";
  f.unavailable = WhyDesignNotDrawable(s);
  if (f.unavailable.empty())
    f.unavailable = WhyNotDrawable({{Box::txtHoleDiameter, s.HoleDiameter}});
  if (!f.Drawable()) return f;

  const double oel = s.OEL;
  const double tel = s.TEL;
  const double hole_radius = double{s.HoleDiameter} / 2;
  const double face_inradius = oel / (2 * std::sqrt(3.0));
  const double truncation_inradius = tel / (2 * std::sqrt(3.0));
  const bool hole_too_wide = hole_radius > face_inradius;

  // The face first: the truncation under it is drawn over it as a hidden outline. A hole wider
  // than the face would hide the face's edges: they are drawn again over it.
  f.outlines.push_back({Part::Face, Triangle(oel), false, hole_too_wide});
  f.outlines.push_back({Part::Truncation, Triangle(tel)});
  f.circles.push_back({Part::Hole, {0, 0}, hole_radius, hole_too_wide});

  // Both edges below the face, the shorter one nearer; levels count from the lowest of the face
  // and the hole, so that a hole wider than the face cannot cover them.
  const Point base{0, std::fmin(-face_inradius, -hole_radius)};
  f.dimensions.push_back({{-tel / 2, -truncation_inradius},
                          {tel / 2, -truncation_inradius},
                          {0, -1},
                          base,
                          0,
                          Box::txtTEL,
                          ""});
  f.dimensions.push_back(
      {{-oel / 2, -face_inradius}, {oel / 2, -face_inradius}, {0, -1}, base, 1, Box::txtOEL, ""});
  // The label sits right of the face (its half-width at the centroid's height is OEL/3) or of
  // the hole, whichever reaches further.
  f.diameters.push_back({{-hole_radius, 0},
                         {hole_radius, 0},
                         {std::fmax(oel / 3, hole_radius) + oel / 12, 0},
                         Box::txtHoleDiameter});
  // The face's corners lie at twice its inradius: a hole reaching past them covers it whole.
  if (hole_radius > 2 * face_inradius) {
    f.flaws.push_back({"Hole wider than the face: it covers the whole face", {0, hole_radius}});
  } else if (hole_too_wide) {
    f.flaws.push_back({"Hole wider than the face's inscribed circle", {0, hole_radius}});
  }
  Finish(f);
  return f;
}

}  // namespace ostrel::figures
