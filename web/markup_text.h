// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>

// What the page's SVG and HTML are written with: one escaping and one form of coordinates.
namespace ostrel::web {

// Text for element content and quoted attributes: &, <, > and " as entities.
std::string Escaped(std::string_view text);

// A drawing coordinate in user units, to a hundredth ("12.50"): a position, never a result.
std::string Coordinate(double v);

}  // namespace ostrel::web
