#!/usr/bin/env bash
# Installs into a temporary prefix and validates the desktop entry, AppStream data and manual.
# Usage: validate_install.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
passed=0
failed=0
check() {
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"; else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
check "programs installed" test -x "$prefix/bin/aeonarium" -a -x "$prefix/bin/aeonarium-cli"
check "32x32 icon" bash -c "file --brief '$share/icons/hicolor/32x32/apps/aeonarium.png' | grep -q '32 x 32'"
check "scalable icon" test -s "$share/icons/hicolor/scalable/apps/aeonarium.svg"
check "desktop entry is valid" desktop-file-validate "$share/applications/de.aeonarium.Aeonarium.desktop"
check "AppStream data is valid" appstreamcli validate --no-net --pedantic \
  "$share/metainfo/de.aeonarium.Aeonarium.metainfo.xml"
check "manual page renders without warnings" \
  bash -c "! LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l '$share/man/man1/aeonarium-cli.1' 2>&1 >/dev/null | grep ."
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
