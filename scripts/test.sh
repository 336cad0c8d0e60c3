#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Installs what is missing, builds the optimised build that ships and runs every test headless.
#
# OSTREL_TEST_RELEASE_ONLY=1 runs the optimised build's suite alone: no package test (it installs
# a system package), no web edition and no sanitizer build. The test of the README's commands
# (tests/scripts/) uses it; it is not a way to run "every test".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}"
ostrel_build -DOSTREL_BUILD_TESTS=ON -DOSTREL_BUILD_BENCH=ON -DOSTREL_TEST_SCRIPTS=ON \
  -DOSTREL_WEB_BUILD="$OSTREL_WEB_BUILD"
release_only="${OSTREL_TEST_RELEASE_ONLY:-0}"
export QT_QPA_PLATFORM=offscreen
if [ "$release_only" = 1 ]; then
  ctest --test-dir "$OSTREL_BUILD" --no-tests=error --output-on-failure --parallel "$(nproc)" \
    --label-exclude web
  echo "OSTREL_TEST_RELEASE_ONLY=1: package test, web edition and sanitizer suite not run"
  exit 0
fi
"$OSTREL_ROOT/scripts/package-test.sh"

# The web edition is built (again, or incrementally) right before its tests, so that they never
# compare the desktop with a page from other sources; here a missing page or browser fails them
# instead of skipping them.
"$OSTREL_ROOT/scripts/web.sh"
OSTREL_WEB_REQUIRED=1 ctest --test-dir "$OSTREL_BUILD" --no-tests=error --output-on-failure \
  --parallel "$(nproc)"

# The same suite again in a clang build with AddressSanitizer and UndefinedBehaviorSanitizer,
# same optimisation and floating-point flags, which also builds the fuzz targets and runs each
# for a bounded number of runs. float-divide-by-zero stays off (it is not part of "undefined"):
# the calculation divides by zero on purpose and finds it in the floating-point status.
# float-cast-overflow stays on: a float converted to an integer out of range is a real bug here.
OSTREL_SANITIZE_BUILD="$OSTREL_ROOT/build-sanitize"
OSTREL_SANITIZE_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$OSTREL_ROOT" -B "$OSTREL_SANITIZE_BUILD" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_CXX_FLAGS="$OSTREL_SANITIZE_FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DOSTREL_BUILD_UI=ON \
  -DOSTREL_BUILD_TESTS=ON -DOSTREL_BUILD_BENCH=OFF -DOSTREL_BUILD_FUZZ=ON -DOSTREL_TEST_SCRIPTS=OFF
cmake --build "$OSTREL_SANITIZE_BUILD" --parallel "$(nproc)"
# The web tests ran above; they compare the page with the desktop, which the sanitizers would only
# slow down. Leak checking stays on for everything, the uninstrumented Qt libraries included: they have
# reported nothing, so nothing is suppressed.
ASAN_OPTIONS="detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir "$OSTREL_SANITIZE_BUILD" --no-tests=error --output-on-failure --parallel "$(nproc)" \
  --label-exclude web
