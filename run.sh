#!/usr/bin/env bash
# Builds Calvextra and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

build_dir=${CALVEXTRA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" -j"$(nproc)"

program="$build_dir/bin/Calvextra"
if [ ! -x "$program" ]; then
  echo "Built the fee engine and the string lookup. The calculator window is not there yet, so there is nothing to start."
  exit 0
fi
exec "$program" "$@"
