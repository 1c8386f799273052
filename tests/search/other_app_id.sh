#!/usr/bin/env bash
# Configures the project with another application id, builds and installs
# its search provider, and runs the provider's test against that tree on a
# private session bus: the bus name, the object paths and both desktops'
# files must all follow the id.
# Usage: other_app_id.sh SOURCE_DIR WORK_DIR PROVIDER_TEST CXX_COMPILER
#                        GENERATOR MAKE_PROGRAM   (those of the build)
set -euo pipefail
source_dir=$1 work=$2 provider_test=$3 compiler=$4 generator=$5 make_program=$6
id=org.test.Other_Measure
build="$work/build"
tree="$work/tree"
cmake -S "$source_dir" -B "$build" -G "$generator" -Wno-dev -DBUILD_TESTING=OFF \
  -DCMAKE_MAKE_PROGRAM="$make_program" -DCMAKE_CXX_COMPILER="$compiler" \
  -DMENSUREX_APP_ID="$id" >/dev/null
cmake --build "$build" --target search_provider krunner_entry >/dev/null
rm -rf "$tree"
cmake --install "$build/search" --prefix "$tree/usr" >/dev/null
cat >"$work/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <servicedir>$tree/usr/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
MENSUREX_TEST_TREE=$tree MENSUREX_TEST_APP_ID=$id \
  dbus-run-session --config-file="$work/session.conf" -- "$provider_test" \
  --gtest_filter='*FilesNameIt*:*AnswersGnomeShell*:*KRunner*'
