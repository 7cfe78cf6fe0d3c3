#!/usr/bin/env bash
# Builds Korvex and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitized/ and runs every test there, headless. A memory error, undefined behaviour
# or leak in any path the tests reach (the views included) fails its test. The memory-bound
# tests are left out: they measure the peak of the reader, and the sanitizers' shadow memory
# and quarantine are no part of it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-sanitized"

"$root/scripts/install-deps.sh"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_SANITIZE=ON \
    -DKORVEX_BUILD_TESTS=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's font and graphics libraries are not ours.
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
cd "$build"
ctest --output-on-failure -j "$(nproc)" --exclude-regex '^MemoryBound\.'
