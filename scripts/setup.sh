#!/usr/bin/env bash
# Installs what building and running Dorvik needs on Debian 12, and with
# --tests what its tests need besides. Idempotent and quiet when everything
# is there already.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev
  libzip-dev libexpat1-dev
  qt6-tools-dev qt6-l10n-tools
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth xdotool imagemagick faketime
)
if [ "${1:-}" = --tests ]; then
  # The printing tests read the PDFs back with pdfinfo and pdftotext.
  packages+=(poppler-utils)
fi

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
