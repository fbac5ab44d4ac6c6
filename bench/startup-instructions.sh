#!/usr/bin/env bash
# Instructions from process start to the end of the main window's first paint, Calvextra against
# a bare Qt window of the same size, counted by callgrind (repeatable to a fraction of a percent,
# unlike wall time on a shared machine). Prints both counts and their ratio, and the same for the
# whole run up to the exit.
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

# Prints the instructions to the end of the first paint (the part the probe has callgrind write
# out then) and those of the whole run, shutdown included.
count() {
    local out="$work/$1.out"
    shift
    setarch -R valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
    local start rest
    start=$(sed -n 's/^summary: *//p; s/^totals: *//p' "$out.1" | head -1)
    rest=$(sed -n 's/^summary: *//p; s/^totals: *//p' "$out" | head -1)
    echo "$start $((start + rest))"
}
read -r calvextra calvextraRun < <(count calvextra "$build/bin/first_paint_probe")
read -r bare bareRun < <(count bare "$build/bin/bare_window" --quit-after-paint)
awk -v c="$calvextra" -v b="$bare" -v cr="$calvextraRun" -v br="$bareRun" 'BEGIN {
    printf "                to the first paint    whole run (shutdown too)\n"
    printf "Calvextra       %18d    %24d\n", c, cr
    printf "bare window     %18d    %24d\n", b, br
    printf "ratio           %18.3f    %24.3f\n", c / b, cr / br
}'
