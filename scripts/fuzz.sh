#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs them one after another, each for the given
# number of seconds on a scratch copy of its seed corpus (the seeds in fuzz/ stay as committed),
# printing each target's final figures. Exits non-zero when a target finds a crash, a leak, a
# time-out or a broken invariant; what it found is kept in <build>/fuzz-findings/.
# Usage: scripts/fuzz.sh [seconds per target, default 300]   (CALVEXTRA_FUZZ_BUILD_DIR: build-fuzz)
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-300}
case $seconds in
  '' | *[!0-9]*) echo "usage: $0 [seconds per target]" >&2; exit 2 ;;
esac
build_dir=${CALVEXTRA_FUZZ_BUILD_DIR:-build-fuzz}

# Target and the folder of its seeds under fuzz/.
targets=(
  fuzz_readings:corpus
  fuzz_brand:corpus-brand
  fuzz_versionreply:corpus-versionreply
  fuzz_registryhive:corpus-registryhive
  fuzz_settingsstore:corpus-settingsstore
  fuzz_entryfields:corpus-entryfields
  fuzz_notepadprint:corpus-notepadprint
  fuzz_languagefiles:corpus-languagefiles
)

if [ -f "$build_dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' "$build_dir/CMakeCache.txt"; then
  echo "$build_dir was configured without clang; use another CALVEXTRA_FUZZ_BUILD_DIR." >&2
  exit 2
fi
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCALVEXTRA_FUZZ=ON >/dev/null || exit 1
cmake --build "$build_dir" -j2 --target "${targets[@]%%:*}" || exit 1

# Scratch corpora, and the files the targets make, in memory where there is a tmpfs: some
# targets flush every write to the disk.
scratch_root=/dev/shm
[ -d "$scratch_root" ] && [ -w "$scratch_root" ] || scratch_root=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_root/calvextra-fuzz.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
findings=$build_dir/fuzz-findings
mkdir -p "$findings"
bin=$(cd "$build_dir" && pwd)/bin
# Leaks of system libraries the window targets load are not ours.
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}

failed=()
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  seeds=fuzz/${entry#*:}
  corpus=$scratch/$target
  cp -r "$seeds" "$corpus"
  # What earlier runs found stays in every run: fuzz/regressions/<target without fuzz_>-*.
  for found in fuzz/regressions/"${target#fuzz_}"-*; do
    [ -f "$found" ] && cp "$found" "$corpus/"
  done
  mkdir -p "$scratch/tmp"
  log=$findings/$target.log
  echo "== $target: ${seconds}s on $(ls "$corpus" | wc -l) seeds from $seeds"
  # Run from the findings folder: what a target writes in its current folder lands there too.
  (cd "$findings" && TMPDIR=$scratch/tmp "$bin/$target" -max_total_time="$seconds" \
     -print_final_stats=1 -timeout=30 -artifact_prefix="$target-" "$corpus") >"$log" 2>&1
  status=$?
  grep -E '(DONE|INITED) +cov' "$log" | tail -n 1
  grep -E '^stat::' "$log"
  echo "corpus: $(ls "$corpus" | wc -l) inputs"
  if [ $status -ne 0 ]; then
    failed+=("$target")
    echo "!! $target failed (exit $status); log: $log"
    grep -E 'Broken invariant|ERROR: |runtime error|SUMMARY|Test unit written' "$log" | head -n 10
  fi
  rm -rf "$scratch/tmp"
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Findings in: ${failed[*]} (see $findings)"
  exit 1
fi
echo "No findings."
