// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <vector>

#include "present/view.h"

// The cell's three figures as geometry.
//
// Data flow: the values stored in CalcState (millimetres) -> FaceView, GapSection, GasketStrips
// -> a Figure of outlines, circles and dimensions in millimetres -> painting/ fits it into a
// rectangle at a round scale and labels each dimension with the text its box shows. The screen
// and the paper draw the same Figure.
//
// Pure C++: no Qt. Coordinates are millimetres, x to the right and y up.
namespace ostrel::figures {

struct Point {
  double x = 0;
  double y = 0;
};

// What an outline or circle is, which decides how it is drawn.
enum class Part {
  Face,        // the octahedron face
  Truncation,  // the cube's truncation under the face
  Hole,        // the assembly hole
  Cube,        // an anvil cube, cut off at the edge of the detail
  Octahedron,  // the octahedron in section
  Gasket,      // gasket material
  Tape,        // the tape on a cube face
  Strip,       // a gasket strip in plan
};

struct Outline {
  Part part;
  std::vector<Point> points;  // a closed polygon
  bool flawed = false;        // drawn as it is, marked as a flaw
  bool over_circles = false;  // its line drawn again over the circles, which would hide it
};

struct Circle {
  Part part;
  Point centre;
  double radius = 0;
  bool flawed = false;
};

// The distance between two anchors on the figure, drawn as a line parallel to them at a
// distance from `base` (a point of the figure's outer edge on that side) of `level` + 1 label
// rows outward, with extension lines back to the anchors. `outward` is one of the four axis
// directions. The painter labels it with the text of `label` and its unit.
struct Dimension {
  Point from;
  Point to;
  Point outward;
  Point base;
  int level = 0;
  Box label;
  std::string name;  // what it measures where the figure alone does not say ("gap"), or empty
};

// A diameter: a line across the circle between `from` and `to`, then a leader from `to` on to
// `label_at`, where the label starts.
struct Diameter {
  Point from;
  Point to;
  Point label_at;
  Box label;
};

// A word naming a part, centred on `at`, where the part is `room` high: left out where the
// scale leaves less room than a line of text.
struct Note {
  std::string text;
  Point at;
  double room = 0;
};

// Something a builder must see: named in the figure, marked at `at`.
struct Flaw {
  std::string name;
  Point at;
};

struct Bounds {
  double left = 0;
  double bottom = 0;
  double right = 0;
  double top = 0;

  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
};

struct Figure {
  std::string title;
  // Why the figure cannot be drawn ("Cannot be drawn: ..."); empty when it can, and then
  // everything below is finite and `bounds` has a positive width and height.
  std::string unavailable;
  std::vector<Outline> outlines;
  std::vector<Circle> circles;
  std::vector<Dimension> dimensions;
  std::vector<Diameter> diameters;
  std::vector<Note> notes;
  std::vector<Flaw> flaws;
  Bounds bounds;  // of the outlines and circles

  bool Drawable() const { return unavailable.empty(); }
};

}  // namespace ostrel::figures
