#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds AEONARIUM and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default -j2
ctest --preset default -j2
