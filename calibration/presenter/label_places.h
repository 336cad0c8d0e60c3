// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <optional>
#include <vector>

// Where the plot's point labels go, so that none covers another or another point's marker: the
// window's plot and the sheet's both place their labels with it. Header-only, so that the plot's
// plugin, which links nothing of the program, can use it too.
namespace ostrel {

// A rectangle in the painter's coordinates (y grows downwards).
struct LabelBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool Overlaps(const LabelBox& o) const {
    return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
  }
  bool Inside(const LabelBox& o) const {
    return left >= o.left && top >= o.top && right() <= o.right() && bottom() <= o.bottom();
  }
};

struct LabelToPlace {
  double x = 0;  // the point it labels
  double y = 0;
  double width = 0;  // the text's size
  double height = 0;
};

// For each label its box, or nothing where every place would leave the area or cover a label
// placed before it or a point's marker (a square of side `marker` around each point). The places
// tried, in order: below right of the point, where a rising curve leaves room; above right;
// above left, clear of the segment coming in from the left; below left. `gap` is the distance
// from the point.
inline std::vector<std::optional<LabelBox>> PlaceLabels(const std::vector<LabelToPlace>& labels,
                                                        const LabelBox& area, double gap,
                                                        double marker) {
  std::vector<LabelBox> taken;
  for (const LabelToPlace& l : labels)
    taken.push_back({l.x - marker / 2, l.y - marker / 2, marker, marker});
  std::vector<std::optional<LabelBox>> places;
  for (const LabelToPlace& l : labels) {
    const LabelBox tries[] = {
        {l.x + gap, l.y + gap / 2, l.width, l.height},
        {l.x + gap, l.y - gap / 2 - l.height, l.width, l.height},
        {l.x - gap - l.width, l.y - gap / 2 - l.height, l.width, l.height},
        {l.x - gap - l.width, l.y + gap / 2, l.width, l.height},
    };
    std::optional<LabelBox> place;
    for (const LabelBox& box : tries) {
      if (!box.Inside(area)) continue;
      bool clear = true;
      for (const LabelBox& t : taken) clear = clear && !box.Overlaps(t);
      if (!clear) continue;
      place = box;
      taken.push_back(box);
      break;
    }
    places.push_back(place);
  }
  return places;
}

}  // namespace ostrel
