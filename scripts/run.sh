#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Installs what is missing, builds the calculator and starts it.
#
# OSTREL_RUN_BUILD_ONLY=1 builds without starting the window (no display needed); the test of
# the README's commands (tests/scripts/) uses it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ "${OSTREL_RUN_BUILD_ONLY:-0}" != 1 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "error: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set)," \
    "so the calculator's window cannot open. Run this from a desktop session." >&2
  exit 1
fi

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}"
ostrel_build -DOSTREL_BUILD_TESTS=OFF -DOSTREL_BUILD_BENCH=OFF
[ "${OSTREL_RUN_BUILD_ONLY:-0}" = 1 ] && exit 0
exec "$OSTREL_BUILD/app/ostrel"
