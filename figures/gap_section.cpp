// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <cmath>

#include "figures/drawable.h"
#include "figures/figures.h"

namespace ostrel::figures {

// Seen along an octahedron edge, through its middle, the octahedron is the rhombus
// √2·|x| + |y| ≤ OEL/√2; its edge is the corner at (OEL/2, 0), and the two faces that meet there
// lie on the truncations of the cubes above and below the gap.
Figure GapSection(const CalcState& s) {
  Figure f;
  f.title = "Gap between two cubes, along an octahedron edge";
  f.unavailable = WhyDesignNotDrawable(s);
  if (f.unavailable.empty()) {
    f.unavailable = WhyNotDrawable({{Box::txtGasketThickness, s.GasketThickness},
                                    {Box::txtGasketWidth, s.GasketWidth},
                                    {Box::txtTapeThickness, s.TapeThickness, true}});
  }
  if (!f.Drawable()) return f;

  const double root2 = std::sqrt(2.0);
  const double reach = double{s.OEL} / root2;  // from the centre to a corner
  const double edge_x = double{s.OEL} / 2;
  const double half = double{s.GasketThickness} / 2;
  const double tape = s.TapeThickness;
  // Where a face line √2·x + |y| = reach is at height y.
  const auto face_x = [&](double y) { return (reach - std::fabs(y)) / root2; };

  // The detail shows the cubes one and a half gaps beyond their faces, but never past the
  // octahedron's centre, and a little beyond the gasket's outer edge.
  const double beyond = std::fmin(3 * half, 0.8 * std::fmax(0.0, reach - half));
  const double top = half + beyond;
  const double left = face_x(top);
  const double gasket_x = edge_x + s.GasketWidth;
  const double right = gasket_x + 0.15 * (gasket_x - left);
  const double corner_x = face_x(half);  // where the face meets the cube's face

  f.outlines.push_back({Part::Octahedron, {{left, top}, {edge_x, 0}, {left, -top}}});
  f.outlines.push_back({Part::Cube, {{left, top}, {corner_x, half}, {right, half}, {right, top}}});
  f.outlines.push_back(
      {Part::Cube, {{left, -top}, {corner_x, -half}, {right, -half}, {right, -top}}});

  // The tape lies on the upper cube's face; the gasket fills what remains of the gap.
  const double tape_bottom = half - tape;
  const bool tape_too_thick = tape > 2 * half;
  if (tape > 0) {
    Outline o{
        Part::Tape,
        {{corner_x, half}, {right, half}, {right, tape_bottom}, {face_x(tape_bottom), tape_bottom}},
        tape_too_thick};
    if (tape_bottom < 0) o.points.push_back({edge_x, 0});
    f.outlines.push_back(o);
  }
  if (tape_bottom > -half) {
    Outline o{Part::Gasket,
              {{corner_x, -half},
               {gasket_x, -half},
               {gasket_x, tape_bottom},
               {face_x(tape_bottom), tape_bottom}}};
    if (tape_bottom > 0) o.points.push_back({edge_x, 0});
    f.outlines.push_back(o);
  }

  const double cube_y = (half + top) / 2;
  f.notes.push_back({"cube", {(corner_x + right) / 2, cube_y}, top - half});
  f.notes.push_back({"cube", {(corner_x + right) / 2, -cube_y}, top - half});
  const Point base{right, 0};
  f.dimensions.push_back(
      {{right, -half}, {right, half}, {1, 0}, base, 0, Box::txtGasketThickness, "gap"});
  f.dimensions.push_back({{right, -half},
                          {right, tape_bottom},
                          {1, 0},
                          base,
                          1,
                          Box::txtModifiedGasketThickness,
                          "less tape"});
  if (tape > 0) {
    f.dimensions.push_back(
        {{right, tape_bottom}, {right, half}, {1, 0}, base, 2, Box::txtTapeThickness, "tape"});
  }
  if (tape_too_thick) f.flaws.push_back({"Tape thicker than the gap", {right, tape_bottom}});
  Finish(f);
  return f;
}

}  // namespace ostrel::figures
