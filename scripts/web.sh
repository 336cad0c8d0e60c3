#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Builds the web edition into build-web/: ostrel.html (the page, one file with the WebAssembly
# inside) and ostrel_batch.js (the command line's --batch under Node). Installs what is missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ostrel_install_missing "${OSTREL_WEB_PACKAGES[@]}"
# Debian's emscripten finds its Node modules (acorn) only through NODE_PATH.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
# The desktop's compiler cache launcher would wrap the WebAssembly compiler's IR steps too.
unset CMAKE_CXX_COMPILER_LAUNCHER
emcmake cmake -S "$OSTREL_ROOT" -B "$OSTREL_WEB_BUILD" -DCMAKE_BUILD_TYPE=Release
cmake --build "$OSTREL_WEB_BUILD" --parallel "$(nproc)"
echo "Built $OSTREL_WEB_BUILD/ostrel.html and $OSTREL_WEB_BUILD/web/ostrel_batch.js"
