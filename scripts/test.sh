#!/usr/bin/env bash
# Installs what is missing, builds the optimised build that ships and runs every test headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}"
ostrel_build
"$OSTREL_ROOT/scripts/package-test.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$OSTREL_BUILD" --output-on-failure --parallel "$(nproc)"
