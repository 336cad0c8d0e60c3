#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Start-up benchmark: the calculator against minwin (the least window that shows a number) and an
# empty window, each started to its first painted frame and ended there, one run of each in turn.
# Prints medians of the time to the first frame, the time to exit and the peak resident memory,
# with their ratios to minwin: on the offscreen platform, then under Xvfb when it can start.
#
#   scripts/bench-startup.sh [RUNS]      (RUNS per program, at least 15; default 15)
#
# Builds the optimised build in build/ (or $OSTREL_BUILD) and needs no display of its own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

runs="${1:-15}"
if ! [[ "$runs" =~ ^[0-9]+$ ]] || [ "$runs" -lt 15 ]; then
  echo "error: RUNS must be a whole number of at least 15, not '$runs'" >&2
  exit 2
fi

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}" xvfb
# The benchmarks need OSTREL_BUILD_BENCH; the tests stay on, as the test command leaves them.
ostrel_configure -DOSTREL_BUILD_TESTS=ON -DOSTREL_BUILD_BENCH=ON -DOSTREL_TEST_SCRIPTS=ON >/dev/null
cmake --build "$OSTREL_BUILD" --parallel "$(nproc)" \
  --target measure_startup ostrel_first_frame minwin empty_window

bin="$OSTREL_BUILD/bench/minwin"
measure() {
  "$bin/measure_startup" --runs "$runs" --warmup 3 --baseline minwin \
    "ostrel=$OSTREL_BUILD/bench/ostrel_first_frame" "minwin=$bin/minwin" \
    "empty window=$bin/empty_window"
}

# The offscreen platform's own screen (800 x 600) is smaller than the window, which would then
# open with scroll bars; a screen of the X server's size below measures the usual start-up.
screen_file="$(mktemp --suffix=.json)"
echo '{"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}' >"$screen_file"

echo
echo "## Offscreen platform, 1280 x 1024 screen ($runs runs each)"
echo
QT_QPA_PLATFORM="offscreen:configfile=$screen_file" measure
rm -f "$screen_file"

echo
xvfb_pid=""
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap stop_xvfb EXIT
if command -v Xvfb >/dev/null 2>&1; then
  # -displayfd picks a free display and writes its number once the server accepts clients.
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  display="$(tr -d '[:space:]' <"$display_file")"
  rm -f "$display_file"
  if [ -n "$display" ]; then
    echo "## X server (Xvfb, xcb platform, $runs runs each)"
    echo
    DISPLAY=":$display" QT_QPA_PLATFORM=xcb measure
  else
    echo "Xvfb did not start: no X server measurement."
  fi
else
  echo "Xvfb is not installed: no X server measurement."
fi
