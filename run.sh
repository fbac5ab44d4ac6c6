#!/usr/bin/env bash
# Builds Calvextra and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh run

build_dir=${CALVEXTRA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Calvextra is built ($build_dir/bin/Calvextra), but there is no display to show it on." >&2
  echo "Start it from a desktop session, or without one: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec "$build_dir/bin/Calvextra" "$@"
