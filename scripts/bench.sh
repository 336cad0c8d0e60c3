#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Runs every benchmark, apart from the test suite: the calculation and presentation
# micro-benchmarks, one click of the real window refreshing all 27 boxes (offscreen), then the
# start-up comparison of scripts/bench-startup.sh.
#
#   scripts/bench.sh [Google Benchmark options, e.g. --benchmark_filter=ShowResults]
#
# Each micro-benchmark is repeated 5 times and reported as mean, median and spread; the figures
# in docs/PERFORMANCE.md are the medians. OSTREL_STARTUP_RUNS sets the start-up runs (15).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}"
# The benchmarks need OSTREL_BUILD_BENCH; the tests stay on, as the test command leaves them.
ostrel_configure -DOSTREL_BUILD_TESTS=ON -DOSTREL_BUILD_BENCH=ON -DOSTREL_TEST_SCRIPTS=ON >/dev/null
cmake --build "$OSTREL_BUILD" --parallel "$(nproc)" --target ostrel_bench ostrel_bench_click \
  ostrel_bench_drawing ostrel_bench_document ostrel_bench_file ostrel_bench_design

options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@")
echo "## Calculation and presentation"
"$OSTREL_BUILD/bench/ostrel_bench" "${options[@]}"
echo
echo "## A design's numbers on a copy (what every click adds, to mark the boxes)"
"$OSTREL_BUILD/bench/ostrel_bench_design" "${options[@]}"
echo
echo "## Click to all boxes updated (real window, offscreen platform)"
QT_QPA_PLATFORM=offscreen "$OSTREL_BUILD/bench/ostrel_bench_click" "${options[@]}"
echo
echo "## The drawing's redraw and the sheet's export (offscreen platform)"
QT_QPA_PLATFORM=offscreen "$OSTREL_BUILD/bench/ostrel_bench_drawing" "${options[@]}"
echo
echo "## Opening a design file and showing it, saving one (real window, offscreen platform)"
QT_QPA_PLATFORM=offscreen "$OSTREL_BUILD/bench/ostrel_bench_document" "${options[@]}"
echo
echo "## The design file: parsing and writing"
"$OSTREL_BUILD/bench/ostrel_bench_file" "${options[@]}"

"$OSTREL_ROOT/scripts/bench-startup.sh" "${OSTREL_STARTUP_RUNS:-15}"
