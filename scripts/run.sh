#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds AEONARIUM and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j2
exec build/default/app/aeonarium
