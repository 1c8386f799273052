#!/usr/bin/env bash
# Installs what is missing, builds, and starts Mensurex 2.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
scripts/build.sh
exec build/app/Mensurex2
