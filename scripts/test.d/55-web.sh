#!/usr/bin/env bash
# The browser page: built from the sources with scripts/web.sh --build, its
# WebAssembly module compared under Node with the desktop's engine on random
# entries (tests/web/differential.js), then the page itself in headless
# Chromium (tests/web/browser_test.py), with axe-core from npm for its
# accessibility rules. Needs no display: Chromium runs headless.
set -euo pipefail
cd "$(dirname "$0")/../.."
native=build/tests/web/web_texts
[[ -x $native ]] || { echo "web: missing $native: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

scripts/web.sh --build "$work/site" >/dev/null
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
timeout 120 node --no-experimental-fetch tests/web/differential.js "$work/site" "$native"

# axe-core for this run only, outside the repository.
(cd "$work" && timeout 120 npm install --no-save --silent --no-audit --no-fund \
  --prefix "$work/npm" axe-core >/dev/null)
axe=$work/npm/node_modules/axe-core/axe.min.js
[[ -f $axe ]] || { echo "web: npm did not install axe-core" >&2; exit 1; }

# Debian's Python has selenium; another python3 may come first on PATH.
timeout 300 /usr/bin/python3 tests/web/browser_test.py "$work/site" "$axe"
