#!/usr/bin/env bash
# Starts a program built with -DCALVEXTRA_SANITIZE=ON on a virtual display with a fresh home,
# answers the first-run prompt, enters a listing through the keyboard and closes the window from
# the File menu; exits with the program's status (non-zero when a sanitizer reported).
# Needs xvfb and xdotool. Usage: sanitized-session.sh BUILD_DIR
set -euo pipefail
program=$(realpath "${1:-build-asan}")/bin/Calvextra
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
suppressions="$(dirname "$(realpath "$0")")/lsan.supp"

HOME="$home" XDG_CONFIG_HOME="$home/.config" ASAN_OPTIONS=detect_leaks=1 \
LSAN_OPTIONS="suppressions=$suppressions" xvfb-run -a -s '-screen 0 1024x768x24' sh -c '
  "$0" & pid=$!
  sleep 5
  xdotool windowfocus --sync "$(xdotool search --name "Check for product updates" | head -1)"
  xdotool key Escape
  sleep 3
  xdotool windowfocus --sync "$(xdotool search --name "Calvextra for eBay" | head -1)"
  xdotool type --delay 40 25; xdotool key Tab; xdotool type --delay 40 110; xdotool key Return
  sleep 1
  xdotool key alt+f; sleep 0.7; xdotool key x
  for _ in $(seq 60); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
  kill -0 $pid 2>/dev/null && { echo "the window did not close" >&2; kill $pid; }
  wait $pid' "$program"
echo "sanitized session ended cleanly"
