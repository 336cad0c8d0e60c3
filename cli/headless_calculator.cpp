// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/headless_calculator.h"

#include "design/open_design.h"

namespace ostrel::cli {

HeadlessCalculator::HeadlessCalculator() {
  Handlers startup_handlers{startup_state_, startup_view_};
  startup_view_.Attach(&startup_handlers);
  // The start-up design never faults; were it to, the window would show the same texts.
  (void)startup_handlers.Form_Load();
  startup_view_.Attach(nullptr);
  view_.Attach(&handlers_);
}

Fault HeadlessCalculator::Open(const Design& design) {
  state_ = startup_state_;
  view_ = startup_view_;
  // The copy carries the start-up view's (detached) handlers; selections must run these.
  view_.Attach(&handlers_);
  return OpenDesign(design, state_, view_);
}

}  // namespace ostrel::cli
