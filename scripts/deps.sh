#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need (only the missing ones).
set -euo pipefail
packages=(g++ cmake ninja-build ccache pkg-config qt6-base-dev libqt6svg6 libarchive-dev libcurl4-openssl-dev
          fonts-ipafont-gothic libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick jlha-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
