#!/usr/bin/python3
"""Asks the search provider over the session bus many times, as the desktops
ask it on every key press, and prints the median, 99th percentile and largest
time from request to answer: of each kind of call from one client; of GNOME
Shell's pair of calls from 50 clients at once; of one client's query while
another sends calls at and beyond the provider's limits. Then the provider's
resident memory over 300,000 more queries. The times include Python's own
marshalling, so they bound the provider's from above.

Usage: search_bench.py [COUNT]   (on a bus where the provider can start;
run.sh sets one up)"""
import multiprocessing
import os
import sys
import time

import dbus

# The names the build derived from the application id (run.sh passes them).
SERVICE = os.environ["MENSUREX_BUS_NAME"]
GNOME_PATH = os.environ["MENSUREX_OBJECT_PATH"] + "/SearchProvider"
KRUNNER_PATH = os.environ["MENSUREX_OBJECT_PATH"] + "/KRunner"


def interfaces(bus):
    return (dbus.Interface(bus.get_object(SERVICE, GNOME_PATH),
                           "org.gnome.Shell.SearchProvider2"),
            dbus.Interface(bus.get_object(SERVICE, KRUNNER_PATH), "org.kde.krunner1"))


def summary(name, times):
    times = sorted(times)
    print(f"{name:52} median {times[len(times) // 2]:7.3f} ms  "
          f"p99 {times[len(times) * 99 // 100]:7.3f} ms  max {times[-1]:7.3f} ms  "
          f"({len(times)} calls)", flush=True)


def timed_calls(count, call):
    times = []
    for _ in range(count):
        start = time.perf_counter()
        call()
        times.append((time.perf_counter() - start) * 1000)
    return times


def timed(name, count, call):
    summary(name, timed_calls(count, call))


def gnome_client(count, start, results):
    """One GNOME Shell: a query, then the metas of its first five results,
    `count` times; each call timed on its own."""
    gnome, _ = interfaces(dbus.SessionBus(private=True))
    start.wait()
    ids = []
    times = timed_calls(count, lambda: ids.append(gnome.GetInitialResultSet(["1.5", "GB"])))
    times += timed_calls(count, lambda: gnome.GetResultMetas(ids.pop()[:5]))
    results.put(times)


def concurrent(clients, count):
    context = multiprocessing.get_context("fork")
    start = context.Event()
    results = context.Queue()
    workers = [context.Process(target=gnome_client, args=(count, start, results))
               for _ in range(clients)]
    for worker in workers:
        worker.start()
    time.sleep(1)  # every client connected
    start.set()
    times = []
    for _ in workers:
        times += results.get()
    for worker in workers:
        worker.join()
    summary(f"{clients} clients at once, queries and metas", times)


def heavy_client(stop):
    """Sends, over and over, calls that the limits refuse and calls that they
    just allow."""
    gnome, krunner = interfaces(dbus.SessionBus(private=True))
    ids = gnome.GetInitialResultSet(["1.5", "GB"])
    calls = [
        lambda: gnome.GetResultMetas(ids * 50000),  # 300,000 ids
        lambda: gnome.GetResultMetas((ids * 11)[:64]),
        lambda: gnome.GetInitialResultSet(["9" * 16000]),
        lambda: gnome.GetInitialResultSet(["1"] * 100000),
        lambda: krunner.Match("9" * 1000000),
    ]
    while not stop.is_set():
        for call in calls:
            try:
                call()
            except dbus.DBusException:
                pass


def held_up(gnome, count):
    """One client's query while another, in a process of its own, sends calls
    at and over the limits."""
    context = multiprocessing.get_context("fork")
    stop = context.Event()
    heavy = context.Process(target=heavy_client, args=(stop,))
    heavy.start()
    time.sleep(1)
    timed("query while another client sends calls at and over the limits",
          count, lambda: gnome.GetInitialResultSet(["1.5", "GB"]))
    stop.set()
    heavy.join()


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


def main():
    count = max(100, int(sys.argv[1])) if len(sys.argv) > 1 else 10000
    bus = dbus.SessionBus()
    gnome, krunner = interfaces(bus)
    krunner.Actions()  # started and warmed up
    timed("GetInitialResultSet ['1.5','GB']", count,
          lambda: gnome.GetInitialResultSet(["1.5", "GB"]))
    ids = gnome.GetInitialResultSet(["1.5", "GB"])
    timed("GetResultMetas (6 results of 1.5 GB)", count,
          lambda: gnome.GetResultMetas(ids))
    timed("KRunner Match '1 B to EB'", count, lambda: krunner.Match("1 B to EB"))
    timed("GetInitialResultSet ['abc'] (no results)", count,
          lambda: gnome.GetInitialResultSet(["abc"]))
    long_query = "9" * 10000
    timed("GetInitialResultSet, 10,000 characters", max(100, count // 10),
          lambda: gnome.GetInitialResultSet([long_query]))
    concurrent(50, max(20, count // 50))
    held_up(gnome, max(100, count // 10))

    driver = dbus.Interface(bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus"),
                            "org.freedesktop.DBus")
    pid = driver.GetConnectionUnixProcessID(SERVICE)
    samples = [resident_kib(pid)]
    for i in range(300000):
        krunner.Match(f"{i}.{i % 977} GB in KiB")
        if i % 100000 == 99999:
            samples.append(resident_kib(pid))
    print("provider resident memory, every 100,000 queries: "
          + ", ".join(f"{kib} KiB" for kib in samples), flush=True)


main()
