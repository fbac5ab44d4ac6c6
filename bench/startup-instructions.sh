#!/usr/bin/env bash
# Instructions from process start to the first paint of the main window, Calvextra against a bare
# Qt window of the same size, counted by callgrind (repeatable to a fraction of a percent, unlike
# wall time on a shared machine). Prints both counts and their ratio.
# Usage: bench/startup-instructions.sh [build-dir]   (needs valgrind; builds the two probes)
set -euo pipefail
build=${1:-build}
cmake --build "$build" -j"$(nproc)" --target first_paint_probe bare_window >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A settings folder of its own, filled by a first run, so every counted run is a later start.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
export QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen
timeout 60 "$build/bin/first_paint_probe" >/dev/null 2>&1

count() {
    local out="$work/$1.out"
    shift
    setarch -R valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
    sed -n 's/^summary: *//p; s/^totals: *//p' "$out" | head -1
}
calvextra=$(count calvextra "$build/bin/first_paint_probe")
bare=$(count bare "$build/bin/bare_window" --quit-after-paint)
awk -v c="$calvextra" -v b="$bare" 'BEGIN {
    printf "Calvextra    %12d instructions to the first paint\n", c
    printf "bare window  %12d instructions to the first paint\n", b
    printf "ratio        %12.3f\n", c / b
}'
