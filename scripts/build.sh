#!/usr/bin/env bash
# Configures build/ and builds the given targets in it; without any, the
# program and its tests, everything.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -Wno-dev -DMENSUREX_WERROR=ON >/dev/null
cmake --build build ${1:+--target "$@"}
