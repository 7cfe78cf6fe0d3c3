#!/usr/bin/env bash
# Replays every seed corpus and every regression input of the fuzz targets once, in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/, any compiler). Only the
# core, drawing and storage libraries and the replay drivers are built. Exits non-zero at
# the first sanitizer report or crash.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-asan"
start=$(date +%s)

"$root/scripts/install-deps.sh"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_SANITIZE=ON \
    -DKORVEX_BUILD_FUZZ_DRIVERS=ON -DKORVEX_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target korvex-replay-all -j "$(nproc)"
built=$(date +%s)

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
out="$build/fuzz"
rm -rf "$out/seeds"
"$out/korvex-fuzz-seeds" "$out/seeds"
for driver in "$out"/korvex-replay-*; do
    # Only the drivers themselves (the build also leaves korvex-replay-*_autogen folders).
    [ -f "$driver" ] && [ -x "$driver" ] || continue
    target="$(basename "$driver")"
    target="${target#korvex-replay-}"
    target="${target//-/_}"
    inputs=("$out/seeds/$target")
    if [ -d "$root/fuzz/regressions/$target" ]; then
        inputs+=("$root/fuzz/regressions/$target")
    fi
    "$driver" "${inputs[@]}"
done
echo "fuzz replay: built in $((built - start)) s, replayed in $(($(date +%s) - built)) s"
