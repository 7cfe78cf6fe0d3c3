#!/usr/bin/env bash
# Runs one fuzz target for real: scripts/fuzz.sh TARGET SECONDS [LIBFUZZER-FLAGS...]
# (for example -runs=10000000 to stop after ten million inputs, whichever comes first).
# TARGET is one of the names in fuzz/CMakeLists.txt (drawing_stream, graphic_practise, ...).
# Builds the libFuzzer targets with clang into build-fuzz/ (AddressSanitizer and
# UndefinedBehaviorSanitizer), writes the seed corpora with the program's own writers, and
# fuzzes with the seeds and fuzz/regressions/TARGET as the starting corpus. An input that
# crashes lands in build-fuzz/fuzz/crashes/TARGET/; keep it as a regression file with
#   cp build-fuzz/fuzz/crashes/TARGET/crash-... fuzz/regressions/TARGET/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -lt 2 ]; then
    echo "usage: scripts/fuzz.sh TARGET SECONDS [LIBFUZZER-FLAGS...]" >&2
    exit 2
fi
target="$1"
seconds="$2"
shift 2
dashed="${target//_/-}"
build="$root/build-fuzz"

"$root/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null; then
    echo "scripts/fuzz.sh: clang++ is needed (apt-get install clang)" >&2
    exit 1
fi
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DKORVEX_FUZZ=ON -DKORVEX_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
fi
cmake --build "$build" --target "korvex-fuzz-$dashed" korvex-fuzz-seeds -j "$(nproc)"

out="$build/fuzz"
export QT_QPA_PLATFORM=offscreen
# The targets keep their scratch installation in the temporary folder and every save there
# syncs; on a memory file system a sync costs nothing, so the fuzzer runs far more inputs.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
# The seed writer and the targets share the suppressions of leaks that are not ours.
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
"$out/korvex-fuzz-seeds" "$out/seeds" >/dev/null
corpus="$out/corpus/$target"
crashes="$out/crashes/$target"
mkdir -p "$corpus" "$crashes"
regressions="$root/fuzz/regressions/$target"
inputs=("$corpus" "$out/seeds/$target")
if [ -d "$regressions" ]; then
    inputs+=("$regressions")
fi

cd "$out"
"$out/korvex-fuzz-$dashed" -max_total_time="$seconds" -malloc_limit_mb=256 -rss_limit_mb=2048 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$crashes/" "$@" "${inputs[@]}"
