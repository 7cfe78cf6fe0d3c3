#!/usr/bin/env bash
# Checks that Korvex installs and runs like a desktop program.
#
# Usage: tests/install/install_check.sh [BUILD_DIR]     (default: build)
#
# 1. `cmake --install` into a temporary prefix: the programs, the runtime tree, the menu entry,
#    the icons and the AppStream data are there and valid.
# 2. The prefix is made read-only and the programs are started from it with an empty home
#    folder: the data tree appears in the user's data folder, a practise restored from a full
#    backup is saved there, and not one byte of the prefix changes.
# 3. A read-only unpacked folder (programs and tree side by side) also sends the data to the
#    user's folder; the same folder writable keeps it beside the programs.
# 4. The Debian package (cpack) names its dependencies; with root rights it is installed with
#    dpkg, started, and removed again.
#
# The super-user ignores permission bits, so as root the programs run as `nobody`: a
# read-only prefix is then read-only for them, as it is for a coach.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
id=org.example.korvex.Korvex

work="$(mktemp -d)"
package_installed=0
cleanup() {
    if [ "$package_installed" -eq 1 ]; then
        dpkg -r korvex >/dev/null || true
    fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

fail() {
    echo "install check FAILED: $*" >&2
    exit 1
}
step() { echo "== $*"; }

if [ "$(id -u)" -eq 0 ]; then
    runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    owner=nobody:nogroup
else
    runner=()
    owner=
fi

# A fresh home folder (owned by whoever runs the programs).
new_home() {
    local home="$work/$1"
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    [ -z "$owner" ] || chown -R "$owner" "$home"
    echo "$home"
}

# Runs a program as the coach: the given home, headless, no inherited data folders.
run_in() {
    local home="$1"
    shift
    "${runner[@]}" env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_DATA_DIRS \
        HOME="$home" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen "$@"
}

# Every path, kind, mode and checksum below a folder.
snapshot() {
    (
        cd "$1"
        find . -printf '%y %m %s %p\n' | LC_ALL=C sort
        find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum
    )
}

step "installing into a temporary prefix"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
runtime="$prefix/share/korvex/runtime"
for file in bin/korvex bin/korvex-cli \
    share/korvex/runtime/Settings.txt share/korvex/runtime/Settings.def \
    share/korvex/runtime/Data/Html.txt share/korvex/runtime/Language/English.txt \
    share/korvex/runtime/Language/Czech.txt share/korvex/runtime/Language/German.txt \
    share/korvex/runtime/Help/KorvexEN.html share/korvex/runtime/Playgrounds/Rink.jpg \
    share/korvex/runtime/Pictures/Korvex.png \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$prefix/$file" ] || fail "$file is missing from the installation"
done
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -s "$icon" ] || fail "the ${size} px icon is missing"
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a $size px PNG"
done
for folder in GraphicPractises TextPractises TrainingPlans PlayerCards Diaries Photos; do
    [ -d "$runtime/$folder" ] || fail "the data folder $folder is missing"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "invalid desktop file"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
        fail "invalid AppStream data"
fi

step "a source installation with a practise, backed up in full"
source_tree="$work/source"
cp -r "$runtime" "$source_tree"
chmod -R u+w "$source_tree"
"$build/tests/korvex-install-fixture" "$source_tree"
practise="TextPractises/Drills/Passing/Give and go.tmp"
[ -s "$source_tree/$practise" ] || fail "the fixture wrote no practise"
# In a folder of the coach's: a restore unpacks the kinds beside the backup file.
mkdir "$work/backup"
backup="$work/backup/all.abp"
QT_QPA_PLATFORM=offscreen "$prefix/bin/korvex-cli" backup all "$source_tree" "$backup" >/dev/null
[ -z "$owner" ] || chown -R "$owner" "$work/backup"

step "running from the read-only prefix"
chmod -R a-w "$prefix"
snapshot "$prefix" >"$work/before.txt"
home="$(new_home home)"
data="$home/.local/share/Korvex"

run_in "$home" "$prefix/bin/korvex" --quit-after-start || fail "the program did not start"
[ -s "$data/Settings.txt" ] || fail "the program made no data tree in $data"
for file in Settings.def Language/English.txt Playgrounds/Rink.jpg Pictures/Korvex.png; do
    cmp -s "$runtime/$file" "$data/$file" || fail "$file was not copied into $data"
done
[ -d "$data/GraphicPractises" ] || fail "the data folders were not made in $data"

where="$(run_in "$home" "$prefix/bin/korvex-cli" where)"
[ "$where" = "$data" ] || fail "korvex-cli where says '$where', not $data"
[ "$(run_in "$home" "$prefix/bin/korvex-cli" where --shipped)" = "$runtime" ] ||
    fail "korvex-cli where --shipped does not name $runtime"

run_in "$home" "$prefix/bin/korvex-cli" restore "$backup" "$where" >/dev/null ||
    fail "the backup was not restored"
cmp -s "$source_tree/$practise" "$data/$practise" || fail "the restored practise is not in $data"
run_in "$home" "$prefix/bin/korvex" --quit-after-start || fail "the program did not start again"
cmp -s "$source_tree/$practise" "$data/$practise" || fail "the restored practise did not survive"

snapshot "$prefix" >"$work/after.txt"
diff -u "$work/before.txt" "$work/after.txt" || fail "the programs wrote into the prefix"

step "an unpacked folder: read-only sends the data home, writable keeps it"
unpacked="$work/unpacked"
cp -r "$runtime" "$unpacked"
chmod -R u+w "$unpacked"
cp "$prefix/bin/korvex-cli" "$unpacked/"
chmod -R a-w "$unpacked"
home="$(new_home home-unpacked)"
[ "$(run_in "$home" "$unpacked/korvex-cli" where)" = "$home/.local/share/Korvex" ] ||
    fail "a read-only unpacked folder does not send the data to the user's folder"
chmod -R u+w "$unpacked"
[ -z "$owner" ] || chown -R "$owner" "$unpacked"
home="$(new_home home-writable)"
[ "$(run_in "$home" "$unpacked/korvex-cli" where)" = "$unpacked" ] ||
    fail "a writable unpacked folder does not keep its data"
[ ! -e "$home/.local/share/Korvex" ] || fail "a writable unpacked folder made a user folder"

step "the Debian package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/korvex_*.deb)"
info="$(dpkg-deb -I "$deb")"
echo "$info" | grep '^ Depends:'
for dependency in libqt6widgets6 libqt6printsupport6 libjpeg62-turbo libzip fonts-liberation; do
    echo "$info" | grep '^ Depends:' | grep -q "$dependency" ||
        fail "the package does not depend on $dependency"
done
contents="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/korvex ./usr/bin/korvex-cli ./usr/share/korvex/runtime/Settings.def \
    "./usr/share/applications/$id.desktop"; do
    echo "$contents" | grep -q " $file\$" || fail "the package lacks $file"
done

if [ "$(id -u)" -ne 0 ]; then
    echo "(not root: the package is not installed)"
elif dpkg-query -W -f='${Status}' korvex 2>/dev/null | grep -q "install ok installed"; then
    echo "(a korvex package is installed already: left alone)"
else
    package_installed=1
    if ! dpkg -i "$deb" >/dev/null; then
        DEBIAN_FRONTEND=noninteractive apt-get install -f -y -qq >/dev/null
    fi
    dpkg-query -W -f='${Status}' korvex | grep -q "install ok installed" ||
        fail "the package did not install"
    home="$(new_home home-package)"
    run_in "$home" /usr/bin/korvex --quit-after-start || fail "the installed program did not start"
    [ -s "$home/.local/share/Korvex/Settings.def" ] ||
        fail "the installed program made no data tree"
    dpkg -r korvex >/dev/null
    package_installed=0
    [ ! -e /usr/bin/korvex ] || fail "dpkg -r left the program behind"
fi

echo "install check passed"
