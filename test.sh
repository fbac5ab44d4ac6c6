#!/usr/bin/env bash
# Builds Calvextra and runs every test. Usage: ./test.sh [extra CMake options, e.g. -DCALVEXTRA_SANITIZE=ON]
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

build_dir=${CALVEXTRA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" -j"$(nproc)"
(cd "$build_dir" && ctest --output-on-failure -j"$(nproc)")
scripts/check-package.sh "$build_dir"
