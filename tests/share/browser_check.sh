#!/usr/bin/env bash
# Opens a shared page in headless Chromium and checks it the way a phone's browser would
# meet it: the page runs without a console error, and with --player the tactics player
# stays on frame 0 until its Play button is pressed and advances after it (the page opened
# with "#autoplay" presses the button itself). --screenshot OUT.png also photographs the
# page in a 390 x 844 window, the size of a phone.
#
# usage: browser_check.sh PAGE.html [--player] [--screenshot OUT.png]
# exit:  0 passed, 1 failed, 2 usage, 77 skipped (no Chromium, and it cannot be installed)
set -u

page=""
player=0
screenshot=""
while [ $# -gt 0 ]; do
    case "$1" in
    --player) player=1 ;;
    --screenshot) shift; screenshot="${1:-}" ;;
    -*) echo "usage: $0 PAGE.html [--player] [--screenshot OUT.png]" >&2; exit 2 ;;
    *) page="$1" ;;
    esac
    shift
done
if [ -z "$page" ] || [ ! -f "$page" ]; then
    echo "usage: $0 PAGE.html [--player] [--screenshot OUT.png]" >&2
    exit 2
fi

find_browser() {
    command -v chromium || command -v chromium-browser || true
}

# Checks run side by side under ctest; only one of them installs the browser.
exec 9>"${TMPDIR:-/tmp}/korvex-browser-check.lock"
flock 9
browser=$(find_browser)
if [ -z "$browser" ] && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    echo "installing Debian's chromium for the browser check" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq chromium >/dev/null 2>&1 ||
        { apt-get update -qq >/dev/null 2>&1 && apt-get install -y -qq chromium >/dev/null 2>&1; }
    browser=$(find_browser)
fi
flock -u 9
if [ -z "$browser" ]; then
    echo "SKIPPED: Chromium is not installed and cannot be installed here (needs root and apt-get)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
url="file://$(realpath "$page")"
run() { # run NAME ARGS...: the browser's DOM in $work/NAME.dom, its log in $work/NAME.log
    local name=$1
    shift
    timeout 120 "$browser" --headless --disable-gpu --no-sandbox --no-first-run \
        --disable-extensions --disable-sync --user-data-dir="$work/profile-$name" \
        --enable-logging=stderr --v=0 "$@" >"$work/$name.dom" 2>"$work/$name.log"
}
# Messages the page's scripts sent to the console, and scripts that failed.
console_errors() {
    grep -aiE 'Uncaught|CONSOLE|console_message' "$work/$1.log" || true
}
frame_of() {
    sed -n 's/.*id="tp-frame"[^>]*data-frame="\([0-9]*\)".*/\1/p' "$work/$1.dom" | head -n 1
}

failed=0
run open --virtual-time-budget=3000 --dump-dom "$url"
if ! grep -aq '</html>' "$work/open.dom"; then
    echo "FAILED: the browser did not show the page"
    tail -n 20 "$work/open.log"
    failed=1
fi
errors=$(console_errors open)
if [ -n "$errors" ]; then
    echo "FAILED: console messages while opening the page:"
    echo "$errors"
    failed=1
fi

if [ "$player" = 1 ]; then
    still=$(frame_of open)
    if [ "$still" != "0" ]; then
        echo "FAILED: the player should wait on frame 0 until Play is pressed, shows '${still}'"
        failed=1
    fi
    run play --virtual-time-budget=8000 --dump-dom "$url#autoplay"
    errors=$(console_errors play)
    if [ -n "$errors" ]; then
        echo "FAILED: console messages while playing:"
        echo "$errors"
        failed=1
    fi
    played=$(frame_of play)
    if [ -z "$played" ] || [ "$played" -le 0 ]; then
        echo "FAILED: the player did not advance after Play was pressed (frame '${played}')"
        failed=1
    else
        echo "player advanced to frame $played"
    fi
fi

if [ -n "$screenshot" ]; then
    run shot --hide-scrollbars --window-size=390,844 --virtual-time-budget=3000 \
        --screenshot="$(realpath -m "$screenshot")" "$url"
    if [ ! -s "$screenshot" ]; then
        echo "FAILED: no screenshot was written"
        failed=1
    fi
fi

[ "$failed" = 0 ] && echo "passed: $page"
exit "$failed"
