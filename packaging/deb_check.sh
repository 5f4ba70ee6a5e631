#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, converts under de_DE.UTF-8, removes it.
# Needs root (or sudo) and the default build (cmake --preset default).
set -euo pipefail
cd "$(dirname "$0")/.."
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

cmake --build --preset default -j2
rm -f build/default/aeonarium_*.deb
(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/aeonarium_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
result=$(LC_ALL=de_DE.UTF-8 /usr/bin/aeonarium-cli millions 65)
echo "installed: aeonarium-cli millions 65 -> $result"
test -x /usr/bin/aeonarium
test -f /usr/share/applications/de.aeonarium.Aeonarium.desktop
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq aeonarium >/dev/null
if [ -e /usr/bin/aeonarium-cli ] || [ -e /usr/bin/aeonarium ]; then
  echo "FAILED: files left after removal"
  exit 1
fi
[ "$result" = "29.12.2016 06:43:59" ] || { echo "FAILED: unexpected result"; exit 1; }
echo "package installs, converts and removes cleanly"
