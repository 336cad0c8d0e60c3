// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

namespace ostrel {

// The outcome of a procedure or handler. The window names each kind in its report.
enum class Fault {
  None,
  TypeMismatch,  // text that is not a number
  Overflow,      // overflow or an invalid operation
  DivisionByZero,
};

// The words the fault report shows.
constexpr const char* FaultText(Fault f) {
  switch (f) {
    case Fault::TypeMismatch:
      return "Type mismatch";
    case Fault::Overflow:
      return "Overflow";
    case Fault::DivisionByZero:
      return "Division by zero";
    case Fault::None:
      break;
  }
  return "";
}

}  // namespace ostrel
