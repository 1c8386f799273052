#!/usr/bin/env bash
# Installs the built search provider into a scratch tree and runs
# search_bench.py against it on a private session bus, where D-Bus starts the
# provider through its service file as a desktop would. Prints the median and
# 99th percentile time from request to answer of each kind of call, of 50
# clients at once and of a query while another client sends calls at and over
# the limits; then the provider's memory over 300,000 more queries.
# Usage: bench/search/run.sh BUILD_DIR [COUNT]   (build Release for figures)
set -euo pipefail
build=$(cd "${1:?usage: bench/search/run.sh BUILD_DIR [COUNT]}" && pwd)
count=${2:-10000}
bench="$(cd "$(dirname "$0")" && pwd)/search_bench.py"
# The install below takes KRunner's entry as well as the provider.
cmake --build "$build" --target search_provider krunner_entry >/dev/null

# MENSUREX_BUS_NAME and MENSUREX_OBJECT_PATH, derived from the application id.
set -a
# shellcheck source=/dev/null
source "$build/identity.env"
set +a

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build/search" --prefix "$work/usr" >/dev/null
cat >"$work/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <include>/usr/share/dbus-1/session.conf</include>
  <servicedir>$work/usr/share/dbus-1/services</servicedir>
</busconfig>
CONF
LC_ALL=C.UTF-8 dbus-run-session --config-file="$work/session.conf" -- "$bench" "$count" \
  2> >(grep -v '^dbus-daemon' >&2)
