#!/usr/bin/python3
"""Asks the search provider over the session bus many times, as the desktops
ask it on every key press, and prints the median, 99th percentile and largest
time from request to answer of each kind of call; then the provider's
resident memory before and after 100,000 more queries. The times include
Python's own marshalling, so they bound the provider's from above.

Usage: search_bench.py [COUNT]   (on a bus where the provider can start;
run.sh sets one up)"""
import os
import sys
import time

import dbus

# The names the build derived from the application id (run.sh passes them).
SERVICE = os.environ["MENSUREX_BUS_NAME"]
PATH = os.environ["MENSUREX_OBJECT_PATH"]
bus = dbus.SessionBus()
gnome = dbus.Interface(bus.get_object(SERVICE, PATH + "/SearchProvider"),
                       "org.gnome.Shell.SearchProvider2")
krunner = dbus.Interface(bus.get_object(SERVICE, PATH + "/KRunner"),
                         "org.kde.krunner1")


def timed(name, count, call):
    times = []
    for _ in range(count):
        start = time.perf_counter()
        call()
        times.append((time.perf_counter() - start) * 1000)
    times.sort()
    print(f"{name:44} median {times[len(times) // 2]:7.3f} ms  "
          f"p99 {times[len(times) * 99 // 100]:7.3f} ms  max {times[-1]:7.3f} ms  ({count} calls)")


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


count = max(100, int(sys.argv[1])) if len(sys.argv) > 1 else 10000
krunner.Actions()  # started and warmed up
timed("GetInitialResultSet ['1.5','GB']", count,
      lambda: gnome.GetInitialResultSet(["1.5", "GB"]))
ids = gnome.GetInitialResultSet(["1.5", "GB"])
timed("GetResultMetas (6 results of 1.5 GB)", count, lambda: gnome.GetResultMetas(ids))
timed("KRunner Match '1 B to EB'", count, lambda: krunner.Match("1 B to EB"))
timed("GetInitialResultSet ['abc'] (no results)", count,
      lambda: gnome.GetInitialResultSet(["abc"]))
long_query = "9" * 100000
timed("GetInitialResultSet, 100,000 characters", max(100, count // 10),
      lambda: gnome.GetInitialResultSet([long_query]))

driver = dbus.Interface(bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus"),
                        "org.freedesktop.DBus")
pid = driver.GetConnectionUnixProcessID(SERVICE)
before = resident_kib(pid)
for i in range(100000):
    krunner.Match(f"{i}.{i % 977} GB in KiB")
print(f"provider resident memory: {before} KiB before, {resident_kib(pid)} KiB after "
      "100,000 more queries")
