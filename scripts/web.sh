#!/usr/bin/env bash
# Builds the browser page and writes or serves it.
#
# Usage: scripts/web.sh --build DIR   writes the site into DIR (made if need
#                                     be); it runs from any static host as it is
#        scripts/web.sh [PORT]        builds it and serves it on
#                                     http://127.0.0.1:PORT/ (8080 by default)
#
# The WebAssembly build lives in build-web/ beside the desktop's build/.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  sed -n '4,7s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

out=
port=8080
case ${1:-} in
  --build)
    [[ $# -eq 2 && -n $2 ]] || usage
    out=$2
    ;;
  -h | --help) usage ;;
  "") ;;
  *)
    [[ $# -eq 1 && $1 =~ ^[0-9]+$ && $1 -ge 1 && $1 -le 65535 ]] || usage
    port=$1
    ;;
esac

scripts/deps.sh web
# Debian's emscripten runs its tools under the installed node, which does not
# look in Debian's module folder by itself.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
build="build-web"
# Quiet unless a step fails; then its whole output.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
quietly() {
  "$@" >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
}
quietly emcmake cmake -S . -B "$build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release
quietly cmake --build "$build" --target web_site
site=$build/web/site

if [[ -n $out ]]; then
  mkdir -p "$out"
  cp -R "$site"/. "$out"/
  echo "web: the site is in $out"
  exit 0
fi

echo "Serving Mensurex on http://127.0.0.1:$port/ (Ctrl+C ends)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
