// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/headless_calculator.h"

namespace ostrel::cli {

Fault HeadlessCalculator::Open(const Design& design) {
  calculator_.Compute(design, numbers_);
  return numbers_.fault;
}

}  // namespace ostrel::cli
