#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Batch benchmark: `ostrel --batch` over 10 and over 1,000,000 generated designs, three runs of
# each, with the medians of processor and wall time, designs per second and the peak resident
# memory of the program.
#
#   scripts/bench-batch.sh [--rows N] [--repeat R] [OSTREL ARGUMENT...]
#
# e.g. scripts/bench-batch.sh --units Inches,bars,kN, or --format json. Builds the optimised
# program and the benchmark in build/ (or $OSTREL_BUILD) with the options they need; needs no
# display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}"
cmake -S "$OSTREL_ROOT" -B "$OSTREL_BUILD" -DCMAKE_BUILD_TYPE=Release -DOSTREL_BUILD_UI=ON \
  -DOSTREL_BUILD_BENCH=ON >/dev/null
cmake --build "$OSTREL_BUILD" --parallel "$(nproc)" --target ostrel ostrel_bench_batch
"$OSTREL_BUILD/bench/ostrel_bench_batch" "$@"
