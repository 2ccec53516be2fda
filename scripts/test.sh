#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Usage: bash scripts/test.sh [build-folder]   (default: build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KIRVOS_CMAKE_FLAGS:-}
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
