#!/usr/bin/env bash
# Installs what is missing, builds the window program alone, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
scripts/build.sh Mensurex2
exec build/app/Mensurex2
