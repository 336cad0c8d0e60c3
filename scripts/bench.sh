#!/usr/bin/env bash
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
cmake -S "$OSTREL_ROOT" -B "$OSTREL_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$OSTREL_BUILD" --parallel "$(nproc)" --target ostrel_bench ostrel_bench_click
cmake --build "$OSTREL_BUILD" --parallel "$(nproc)" --target ostrel_bench_document
cmake --build "$OSTREL_BUILD" --parallel "$(nproc)" --target ostrel_bench_drawing

options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@")
echo "## Calculation and presentation"
"$OSTREL_BUILD/bench/ostrel_bench" "${options[@]}"
echo
echo "## Click to all boxes updated (real window, offscreen platform)"
QT_QPA_PLATFORM=offscreen "$OSTREL_BUILD/bench/ostrel_bench_click" "${options[@]}"
echo
echo "## Opening a design file and showing it, saving one (real window, offscreen platform)"
QT_QPA_PLATFORM=offscreen "$OSTREL_BUILD/bench/ostrel_bench_document" "${options[@]}"
echo
echo "## The drawing's redraw and the sheet's export (offscreen platform)"
QT_QPA_PLATFORM=offscreen "$OSTREL_BUILD/bench/ostrel_bench_drawing" "${options[@]}"

"$OSTREL_ROOT/scripts/bench-startup.sh" "${OSTREL_STARTUP_RUNS:-15}"
