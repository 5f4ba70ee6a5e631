#!/usr/bin/env bash
# Installs the Debian packages and locales that AEONARIUM needs (idempotent).
# Usage: scripts/setup.sh [--for-tests]
set -euo pipefail

# What building and running needs; the test suite needs the second list as well.
packages=(
  g++ cmake ninja-build pkg-config
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libboost-stacktrace-dev
  fonts-wine locales
)
if [ "${1:-}" = "--for-tests" ]; then
  packages+=(
    clang libclang-rt-14-dev locales-all
    xvfb xauth openbox xdotool wmctrl x11-utils
    g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user
    desktop-file-utils appstream dpkg-dev file man-db time
  )
fi

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests load these locales by name.
for loc in de_DE en_US cs_CZ; do
  if ! locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$"; then
    as_root localedef -i "$loc" -f UTF-8 "$loc.UTF-8"
  fi
done
