#!/usr/bin/env python3
"""Random numfmt command lines through the installed numfmt and mensurex.

Usage: numfmt_sweep.py MENSUREX [CASES [SEED]]
Each case draws numfmt's options (scales, unit sizes, rounding, padding,
formats, suffixes, fields, delimiters, headers, invalid modes) and a few
input lines, runs both programs under LC_ALL=C, and needs the same output
and exit status, or a difference that the manual page's "Beside numfmt"
section names. Prints every other difference and exits 1 on any.
"""
import random
import re
import subprocess
import sys

SCALES_IN = ["none", "auto", "si", "iec", "iec-i"]
SCALES_OUT = ["none", "si", "iec", "iec-i"]
SIZES = ["512", "1K", "1Ki", "1000", "2"]
FORMATS = ["%f", "%10f", "%-10f", "%010f", "%.1f", "%.3f", "x%fy", "%'f",
           "%5.2f"]
LAYOUT = ("--padding", "--format", "--suffix", "--grouping", "--debug")


def number(rnd):
    kind = rnd.random()
    if kind < 0.3:
        text = str(rnd.randint(0, 99999))
    elif kind < 0.5:
        text = "%d.%d" % (rnd.randint(0, 9999), rnd.randint(0, 999))
    elif kind < 0.6:
        text = "-" + str(rnd.randint(0, 9999))
    elif kind < 0.7:
        text = str(rnd.randint(0, 2**40))
    else:
        text = "%.2f" % rnd.uniform(0, 10)
    if rnd.random() < 0.4:
        text += rnd.choice(["K", "M", "G", "T", "Ki", "Mi", "Gi", "k", "P"])
    return text


def line(rnd):
    kind = rnd.random()
    if kind < 0.7:
        return number(rnd)
    if kind < 0.8:
        return " " * rnd.randint(1, 4) + number(rnd)
    if kind < 0.9:
        return number(rnd) + " " + number(rnd) + " x"
    return rnd.choice(["", "abc", "1x", " ", "1.2.3", "12 K", "5Ki B"])


def options(rnd):
    drawn = [
        (0.7, lambda: "--from=" + rnd.choice(SCALES_IN)),
        (0.7, lambda: "--to=" + rnd.choice(SCALES_OUT)),
        (0.15, lambda: "--from-unit=" + rnd.choice(SIZES)),
        (0.15, lambda: "--to-unit=" + rnd.choice(SIZES)),
        (0.25, lambda: "--round=" + rnd.choice(
            ["up", "down", "from-zero", "towards-zero", "nearest"])),
        (0.2, lambda: "--padding=" + rnd.choice(["5", "10", "-8", "3"])),
        (0.2, lambda: "--format=" + rnd.choice(FORMATS)),
        (0.2, lambda: "--suffix=" + rnd.choice(["B", "Foo", "/s"])),
        (0.2, lambda: "--invalid=" + rnd.choice(
            ["abort", "fail", "warn", "ignore"])),
        (0.2, lambda: "--field=" + rnd.choice(
            ["1", "2", "1,3", "2-", "-2", "1-3"])),
        (0.1, lambda: "-d" + rnd.choice([",", ":", " "])),
        (0.1, lambda: "--header"),
        (0.1, lambda: "--grouping"),
    ]
    return [make() for chance, make in drawn if rnd.random() < chance]


def run(command, text):
    done = subprocess.run(command, input=text.encode(), capture_output=True,
                          env={"LC_ALL": "C"}, check=False)
    return (done.stdout.decode(errors="replace"), done.returncode,
            done.stderr.decode(errors="replace"))


def kilo_as_k(text):
    return re.sub(r"(\d)k", r"\1K", text)


def off_by_rounding(ours, theirs):
    """The same texts but for numbers that differ by at most 1 where no
    suffix follows them, or in their last place where one does."""
    pattern = r"(-?[0-9]+(?:\.([0-9]+))?)([KMGTPEZYRQ]i?)?"
    ours, theirs = re.split(pattern, ours), re.split(pattern, theirs)
    if len(ours) != len(theirs):
        return False
    # re.split gives text, number, its fraction, its suffix, text, ...;
    # padding takes up a longer or shorter number.
    for i in range(0, len(ours), 4):
        if ours[i].strip(" ") != theirs[i].strip(" "):
            return False
        if i + 1 == len(ours):
            break
        if ours[i + 3] != theirs[i + 3]:
            return False
        step = 1 if ours[i + 3] is None else 10.0 ** -len(theirs[i + 2] or "")
        if abs(float(ours[i + 1]) - float(theirs[i + 1])) > 1.0001 * step:
            return False
    return True


def named_difference(arguments, text, numfmt, ours):
    """The manual page's reason for a difference, or None."""
    if not any(a.startswith(("--from=", "--to=", "--from-unit", "--to-unit")
                            + LAYOUT) for a in arguments):
        return "a line read both ways keeps mensurex's reading"
    if kilo_as_k(numfmt[0]) == kilo_as_k(ours[0]) and numfmt[1] == ours[1]:
        return "kilo written as k"
    # numfmt's complaints, also about the lines it was told to ignore.
    complaints = numfmt[2] + run(
        ["numfmt"] + [a for a in arguments if not a.startswith("--invalid")]
        + ["--invalid=warn"], text)[2]
    if re.search(r"invalid suffix in input[^\n]*[0-9]k'", complaints):
        return "a lower-case k read as kilo"
    if "missing 'i' suffix" in complaints:
        return "--from=iec-i reading a number without a suffix"
    if "too large" in complaints or "precision" in complaints:
        return "exact beyond numfmt's range"
    if numfmt[1] == ours[1] and off_by_rounding(kilo_as_k(ours[0]),
                                                kilo_as_k(numfmt[0])):
        return "--round on a value without a suffix, or exact last digits"
    return None


def main():
    mensurex = sys.argv[1]
    cases = int(sys.argv[2]) if len(sys.argv) > 2 else 1500
    rnd = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 7)
    tally = {}
    unexplained = 0
    for _ in range(cases):
        arguments = options(rnd)
        text = "\n".join(line(rnd) for _ in range(rnd.randint(1, 4))) + "\n"
        numfmt = run(["numfmt"] + arguments, text)
        ours = run([mensurex] + arguments, text)
        if numfmt[:2] == ours[:2]:
            reason = "same"
        else:
            reason = named_difference(arguments, text, numfmt, ours)
        if reason is None:
            unexplained += 1
            print("differs:", arguments, repr(text))
            print("  numfmt:  ", repr(numfmt[0]), numfmt[1], repr(numfmt[2]))
            print("  mensurex:", repr(ours[0]), ours[1], repr(ours[2]))
            continue
        tally[reason] = tally.get(reason, 0) + 1
    for reason, count in sorted(tally.items(), key=lambda item: -item[1]):
        print(f"{count:6d}  {reason}")
    print(f"{unexplained:6d}  unexplained")
    return 1 if unexplained else 0


if __name__ == "__main__":
    sys.exit(main())
