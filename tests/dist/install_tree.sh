#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a household gets from it: the files,
# a desktop entry and metainfo that pass their validators, and an installed program that keeps
# the household's database in the user's data folder and writes nothing into the prefix.
# Usage: install_tree.sh <cmake> <build folder> <application id> <help source folder>
set -euo pipefail
cmake=$1 build=$2 id=$3 helpsrc=$4
tmp=$(mktemp -d)
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }

prefix=$tmp/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# The files, by the names the desktop and the program look for.
expected=(bin/mirte share/mirte/data/seed.db share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg)
for age in 20 30 40 50 60; do for sex in m w; do expected+=(share/mirte/gr/$age$sex.bmp); done; done
for page in "$helpsrc"/*.html "$helpsrc"/*.css; do expected+=(share/mirte/help/$(basename "$page")); done
for f in "${expected[@]}"; do [ -s "$prefix/$f" ] || fail "missing or empty: $f"; done
[ -x "$prefix/bin/mirte" ] || fail "bin/mirte is not executable"
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    file -b "$png" 2>/dev/null | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file -b "$png" 2>&1)"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is no SVG"
# Nothing of the build's own (tests, tools, static libraries) is installed.
extra=$(cd "$prefix" && find . -type f | grep -vE '^\./(bin/mirte|share/(mirte|applications|metainfo|icons)/)' || true)
[ -z "$extra" ] || fail "unexpected files installed: $extra"

# The validators of the desktop entry and the metainfo (scripts/deps.sh installs them).
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx 'Name=ミルテ' "$prefix/share/applications/$id.desktop" || fail "the entry's name is not ミルテ"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

# The installed program on a new user's home: the database goes to ~/.local/share/mirte.
run() {
    local home=$1; shift
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$prefix/bin/mirte" "$@"
}
touch "$tmp/stamp"
sleep 1
home=$tmp/home1
mkdir -p "$home"
version=$(run "$home" --version)
[[ $version =~ ^mirte\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version said '$version'"
run "$home" --help | grep -qF "データベース: $home/.local/share/mirte/MLTD13.db" || fail "--help does not name the data folder"
run "$home" --init-db >/dev/null || fail "--init-db"
[ -s "$home/.local/share/mirte/MLTD13.db" ] || fail "--init-db made no database in the data folder"
cmp -s "$home/.local/share/mirte/MLTD13.db" "$prefix/share/mirte/data/seed.db" || fail "--init-db did not copy the seed"
if run "$home" --init-db >/dev/null 2>&1; then fail "a second --init-db overwrote the database"; fi

home=$tmp/home2
mkdir -p "$home"
# Started directly, not through run(), so that $! is the program itself.
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$prefix/bin/mirte" >/dev/null 2>&1 &
pid=$!
db=$home/.local/share/mirte/MLTD13.db
for _ in $(seq 1 300); do
    [ -e "$db-wal" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[ -e "$db-wal" ] || fail "the started program did not open $db"
kill -0 "$pid" 2>/dev/null || fail "the started program ended"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""

changed=$(find "$prefix" -newer "$tmp/stamp" || true)
[ -z "$changed" ] || fail "the installed program wrote into its prefix: $changed"

[ "$fails" -eq 0 ] || { echo "$fails check(s) failed" >&2; exit 1; }
echo "install tree: all checks passed"
