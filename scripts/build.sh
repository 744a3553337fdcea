#!/usr/bin/env bash
# Configures and builds into build/ (Release, tests on). Arguments go to the build step,
# e.g. "--target mirte" to build the program alone.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" "$@"
