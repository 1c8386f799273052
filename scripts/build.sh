#!/usr/bin/env bash
# Configures and builds the program and its tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -Wno-dev -DMENSUREX_WERROR=ON >/dev/null
cmake --build build
