#!/usr/bin/env bash
# Installs the Debian packages that building and testing Calvextra need, when they are missing.
# Runs as root on a fresh Debian 12 machine (or through sudo when there is one).
# Usage: install-deps.sh [run]   ("run" leaves out what only the tests want)
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libbenchmark-dev
  # DejaVu Sans: the window's font where Tahoma is missing, Verdana's shapes for the notepad,
  # and a font to print with.
  fonts-dejavu-core
)
if [ "${1:-}" != run ]; then
  # pdftotext reads back what the printing tests printed to PDF; the packaging check builds the
  # .deb (dpkg-shlibdeps, file), validates the desktop entry and metainfo and starts the installed
  # program on a virtual display; man renders the command-line calculator's manual page.
  packages+=(poppler-utils dpkg-dev file desktop-file-utils appstream xvfb xauth x11-utils man-db groff-base)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Missing packages (${missing[*]}) and no root rights to install them." >&2; exit 1; }
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
