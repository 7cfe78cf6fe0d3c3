#!/usr/bin/env bash
# Builds Korvex for release in build-release/ and makes its Debian package there
# (build-release/korvex_VERSION_ARCH.deb). Install it with `sudo apt install ./build-release/korvex_*.deb`.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DKORVEX_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build "$root/build-release" -j "$(nproc)"
cd "$root/build-release"
cpack -G DEB
ls -1 "$root"/build-release/korvex_*.deb
