#!/usr/bin/env bash
# Installs what is missing, builds Korvex with its tests and runs every test headless.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" -DKORVEX_BUILD_TESTS=ON
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure -j "$(nproc)"
