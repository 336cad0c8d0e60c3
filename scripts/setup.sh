#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Shared by run.sh and test.sh: installs the Debian packages that are missing, then configures
# and builds the optimised build that ships. Sourced, not run.
set -euo pipefail

OSTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OSTREL_BUILD="${OSTREL_BUILD:-$OSTREL_ROOT/build}"
OSTREL_WEB_BUILD="${OSTREL_WEB_BUILD:-$OSTREL_ROOT/build-web}"

ostrel_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "error: these packages are missing and there is no sudo to install them as root: ${missing[*]}" >&2
      return 1
    fi
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

OSTREL_BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev
  libbenchmark-dev fonts-dejavu-core desktop-file-utils appstream dpkg-dev file fonts-liberation2
  clang-14 libclang-rt-14-dev)
# The design sheet's test reads the PDF back with pdftotext, pdfinfo and pdftoppm.
OSTREL_BUILD_PACKAGES+=(poppler-utils)
# The calibration window's plot (Qt Charts, which needs the OpenGL module's CMake files).
OSTREL_BUILD_PACKAGES+=(qt6-charts-dev libqt6opengl6-dev)
# The design file type's check (update-mime-database).
OSTREL_BUILD_PACKAGES+=(shared-mime-info)
# The calibration window's accessibility test switches Qt's accessibility on without a screen
# reader, which only Qt's platform headers allow.
OSTREL_BUILD_PACKAGES+=(qt6-base-private-dev)

# Floating-point text, the same on the desktop and in WebAssembly (header only).
OSTREL_BUILD_PACKAGES+=(libfmt-dev)

# The web edition (scripts/web.sh): the WebAssembly compiler, Node for the batch and its tests.
OSTREL_WEB_PACKAGES=(emscripten nodejs libfmt-dev cmake make python3)
# The web edition's browser tests: headless Chromium driven through its WebDriver.
OSTREL_WEB_PACKAGES+=(chromium chromium-driver python3-selenium)

# A build folder keeps the options of whichever command configured it last, so every command
# states each option it depends on: the run command turns the tests off, and a command that
# left them out would inherit that. The callers pass -DOSTREL_BUILD_TESTS and -DOSTREL_BUILD_BENCH
# themselves; the options no command changes are stated here.
ostrel_configure() {
  local option
  for option in OSTREL_BUILD_TESTS OSTREL_BUILD_BENCH; do
    if [[ " $* " != *" -D$option="* ]]; then
      echo "error: ${FUNCNAME[1]:-ostrel_configure} must state -D$option" >&2
      return 1
    fi
  done
  cmake -S "$OSTREL_ROOT" -B "$OSTREL_BUILD" -DCMAKE_BUILD_TYPE=Release -DOSTREL_BUILD_UI=ON \
    -DOSTREL_BUILD_FUZZ=OFF "$@"
}

# Configures as above, then builds everything that configuration holds.
ostrel_build() {
  ostrel_configure "$@"
  cmake --build "$OSTREL_BUILD" --parallel "$(nproc)"
}
