#!/usr/bin/env bash
# Installs on Debian 12 what is missing of what building and running Dorvik
# needs; with --tests, what its tests need besides; with --benchmarks, what
# its benchmarks need besides. Idempotent and quiet when everything is there
# already.
#
#   scripts/setup.sh [--tests] [--benchmarks]
set -euo pipefail

# The program: the compiler and CMake, Qt 6 (Widgets, PrintSupport, and
# lrelease for the translation), libzip and expat for the spreadsheets, and
# the font of the report form.
packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools
  libzip-dev libexpat1-dev
  fonts-liberation
)
for option in "$@"; do
  case $option in
    # GoogleTest; faketime fixes today's date for the batch programs' tests;
    # the printing tests read the PDFs back with pdfinfo and pdftotext; the
    # end-to-end test runs the program under Xvfb (xvfb-run needs xauth),
    # types with xdotool and takes screenshots with ImageMagick's import.
    --tests) packages+=(googletest libgtest-dev libgmock-dev faketime poppler-utils
                        xvfb xauth xdotool imagemagick) ;;
    --benchmarks) packages+=(libbenchmark-dev) ;;
    *) echo "usage: $0 [--tests] [--benchmarks]" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
