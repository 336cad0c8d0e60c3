// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>

#include "core/fault.h"
#include "present/fault_location.h"
#include "present/view.h"

namespace ostrel {

// What a fault report adds to the kind of fault: where it happened, in the window's quantity
// names, and the input box to change.
struct FaultDetail {
  std::string informative;  // empty where nothing recorded the place
  Box focus = Box::txtOEL;
  bool has_focus = false;
};

// Typed texts longer than this many characters are shortened in a report.
inline constexpr int kQuotedTextLength = 40;

// The detail of a fault found where `where` says. The separator is the user's decimal separator,
// for the example numbers and the values shown.
FaultDetail DescribeFault(Fault fault, const FaultLocation& where, std::string_view separator);

// A box's quantity as a report names it: "Octahedron edge length (OEL)", "Hole volume".
std::string ReportName(Box box);

}  // namespace ostrel
