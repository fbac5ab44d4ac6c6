#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, validates the desktop entry and the
# AppStream metainfo, unpacks the package into a temporary root and starts the installed program
# there on a virtual display until its first window shows: the first-run update prompt, in
# English and, with a German locale, in German (which proves the program found its language
# library beside the real executable although it was started through the bin/ link).
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")

desktop-file-validate packaging/calvextra.desktop
appstreamcli validate --no-net --pedantic packaging/example.brontolux.Calvextra.metainfo.xml

(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls "$build_dir"/calvextra_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg -x "$package" "$work/root"
program_folder="$work/root/usr/lib/calvextra"
for file in Calvextra CalvextraLang407.dll CalvextraPrinting.so CalvextraNetwork.so calvextra_help.htm wertolino_hilfe.htm; do
  [ -f "$program_folder/$file" ] || { echo "package lacks $file" >&2; exit 1; }
done
[ "$(readlink "$work/root/usr/bin/calvextra")" = ../lib/calvextra/Calvextra ] || { echo "bin/calvextra is no link to the program" >&2; exit 1; }

# The command-line calculator: in bin, working from there, with a manual page that man renders
# without warnings, from its file and by name.
fees="$work/root/usr/bin/calvextra-fees"
[ -x "$fees" ] || { echo "package lacks bin/calvextra-fees" >&2; exit 1; }
"$fees" --site uk --start 9.99 --closing 152.50 | grep -x "Total eBay fees:   5.91" >/dev/null \
  || { echo "the installed calvextra-fees gave no fees" >&2; exit 1; }
manual="$work/root/usr/share/man/man1/calvextra-fees.1.gz"
[ -f "$manual" ] || { echo "package lacks the manual page of calvextra-fees" >&2; exit 1; }
warnings=$(MANPAGER=cat man --warnings -l "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "the manual page of calvextra-fees has warnings: $warnings" >&2; exit 1; }
MANPAGER=cat man -l "$manual" | grep "^EXIT STATUS" >/dev/null || { echo "man -l does not render calvextra-fees.1" >&2; exit 1; }
MANPAGER=cat MANPATH="$work/root/usr/share/man" man calvextra-fees | grep "calvextra-fees --csv" >/dev/null \
  || { echo "man calvextra-fees does not find the installed page" >&2; exit 1; }

# Starts the installed program with a fresh home and waits for a window with the given title.
expect_window() {
  local title=$1; shift
  local home="$work/home-$RANDOM"
  mkdir -p "$home"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" "$@" xvfb-run -a sh -c '
    "$0" & pid=$!
    for _ in $(seq 200); do
      if xwininfo -root -tree 2>/dev/null | grep -qF "\"$1\""; then kill $pid; exit 0; fi
      sleep 0.1
    done
    kill $pid; exit 1' "$work/root/usr/bin/calvextra" "$title" \
    || { echo "the installed program showed no window \"$title\"" >&2; exit 1; }
}
expect_window "Check for product updates" env LANG=C.UTF-8 LC_ALL=
expect_window "Nach Produktaktualisierungen suchen" env LANG=de_DE.UTF-8 LC_ALL=

# Printing and the network live in plugins beside the program, and the package must bring what
# they link. The installed program starts without either Qt module and loads the printing plugin
# from its own folder when asked to print: Escape leaves the first-run prompt without a check,
# Ctrl+P prints the notepad.
for plugin in CalvextraPrinting.so CalvextraNetwork.so; do
  unresolved=$(ldd -r "$program_folder/$plugin" 2>&1 | grep -E "not found|undefined symbol" || true)
  [ -z "$unresolved" ] || { echo "the installed $plugin cannot be loaded: $unresolved" >&2; exit 1; }
done
for qt_package in libqt6network6 libqt6printsupport6; do
  dpkg-deb -f "$package" Depends | grep -q "$qt_package" || { echo "the package does not depend on $qt_package" >&2; exit 1; }
done
home="$work/home-plugins"
mkdir -p "$home"
HOME="$home" XDG_CONFIG_HOME="$home/.config" LANG=C.UTF-8 LC_ALL= xvfb-run -a sh -c '
  "$0" & pid=$!
  # Focuses the first visible window with the title given, once it shows, and presses the keys.
  press() {
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1)
    [ -n "$window" ] && xdotool windowfocus --sync "$window" && xdotool key "$2"
  }
  if ! press "$1" Escape; then
    echo "the installed program showed no window \"$1\"" >&2; kill $pid; exit 1
  fi
  if grep -E "libQt6(Network|PrintSupport)" /proc/$pid/maps >/dev/null; then
    echo "the installed program started with Qt Network or Qt PrintSupport" >&2; kill $pid; exit 1
  fi
  press "$2" ctrl+p
  for _ in $(seq 100); do
    if grep -F "$3/CalvextraPrinting.so" /proc/$pid/maps >/dev/null 2>&1; then kill $pid; exit 0; fi
    sleep 0.1
  done
  echo "the installed program did not load its printing plugin to print" >&2; kill $pid; exit 1' \
  "$work/root/usr/bin/calvextra" "Check for product updates" "Calvextra for eBay" "$program_folder" || exit 1

echo "package: $(basename "$package"), $(stat -c %s "$package") bytes; installed size $(dpkg-deb -f "$package" Installed-Size) KiB"
echo "depends: $(dpkg-deb -f "$package" Depends)"
echo "package check passed"
