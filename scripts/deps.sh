#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need (only what is missing).
# The Qt modules are read from the find_package calls of the CMake files, so a module added there
# cannot be forgotten here: one it does not know stops this script with its name.
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian packages of each Qt 6 module (the development files and what they need at run time).
declare -A qt_pkgs=(
    [Core]="qt6-base-dev" [Gui]="qt6-base-dev libgl1-mesa-dev" [Widgets]="qt6-base-dev"
    [Sql]="qt6-base-dev libqt6sql6-sqlite" [PrintSupport]="qt6-base-dev" [Test]="qt6-base-dev"
    [Concurrent]="qt6-base-dev" [Network]="qt6-base-dev" [Xml]="qt6-base-dev" [DBus]="qt6-base-dev"
    [OpenGL]="libqt6opengl6-dev" [OpenGLWidgets]="libqt6opengl6-dev"
    [Charts]="qt6-charts-dev libqt6opengl6-dev" [Svg]="qt6-svg-dev" [SvgWidgets]="qt6-svg-dev"
)
# Other packages found by find_package.
declare -A other_pkgs=([Qt6]="" [benchmark]="libbenchmark-dev" [SQLite3]="libsqlite3-dev")

pkgs=(cmake g++ make fonts-noto-cjk xvfb xauth)
# Qt's own dialogs (file, print) in Japanese.
pkgs+=(qt6-translations-l10n)
# Readings of Japanese names: the analyser MeCab and its IPA dictionary (UTF-8).
pkgs+=(libmecab-dev mecab-ipadic-utf8)
# The install-tree test: the validators of the desktop entry and metainfo, and file(1) for the icons.
pkgs+=(desktop-file-utils appstream file)

cmake_files=$(find . -path ./build -prune -o -path './build-*' -prune -o \
    \( -name CMakeLists.txt -o -name '*.cmake' \) -print)
# find_package(Qt6 [version] [REQUIRED] COMPONENTS A B ...), possibly over several lines.
qt_modules=$(cat $cmake_files | tr '\n' ' ' |
    grep -oE 'find_package\(\s*Qt6[^)]*\)' |
    sed -E 's/.*COMPONENTS//; s/[()]//g; s/\b(REQUIRED|OPTIONAL_COMPONENTS|CONFIG|QUIET)\b//g' |
    tr ' ' '\n' | grep -E '^[A-Za-z]' | sort -u)
for m in $qt_modules; do
    if [ -z "${qt_pkgs[$m]+x}" ]; then
        echo "scripts/deps.sh: no Debian package known for the Qt module '$m'; add it to qt_pkgs." >&2
        exit 1
    fi
    pkgs+=(${qt_pkgs[$m]})
done
for p in $(cat $cmake_files | grep -oE 'find_package\(\s*[A-Za-z0-9_]+' | sed -E 's/find_package\(\s*//' | sort -u); do
    if [ -z "${other_pkgs[$p]+x}" ]; then
        echo "scripts/deps.sh: no Debian package known for find_package($p); add it to other_pkgs." >&2
        exit 1
    fi
    [ -n "${other_pkgs[$p]}" ] && pkgs+=(${other_pkgs[$p]})
done

missing=()
for p in $(printf '%s\n' "${pkgs[@]}" | sort -u); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
