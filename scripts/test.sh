#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds AEONARIUM and runs the whole test suite: the tests, the
# same tests under AddressSanitizer + UndefinedBehaviorSanitizer, a short run of every fuzz
# target, the same results on aarch64 and i686 under qemu-user, and the Debian package.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --for-tests || exit 1

passed=0
failed=0
stage() {  # stage NAME COMMAND...
  echo "===== $1"
  if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "===== FAILED: $1"; fi
}
build_and_test() {
  cmake --preset "$1" && cmake --build --preset "$1" -j2 && ctest --preset "$1" -j2
}

stage "tests" build_and_test default
stage "tests under ASan + UBSan" build_and_test asan
stage "fuzz targets, 30 s each" fuzz/run.sh 30
stage "aarch64 and i686 give the same results" scripts/cross_check.sh
stage "the Debian package installs, converts and removes" packaging/deb_check.sh
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
