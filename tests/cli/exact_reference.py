#!/usr/bin/env python3
"""Random amounts through mensurex against exact rational arithmetic.

Usage: exact_reference.py MENSUREX [RUNS]
Every value, in every unit, binary and --si, unrounded and rounded in every
mode (with ties placed on purpose), must match Python's fractions digit for
digit. Prints the first mismatches and exits 1 on any.
"""
import random
import subprocess
import sys
from fractions import Fraction

MODES = ["up", "down", "from-zero", "towards-zero", "nearest"]
BINARY = ["B", "KB", "MB", "GB", "TB", "PB", "EB"]
DECIMAL = ["B", "kB", "MB", "GB", "TB", "PB", "EB"]


def size(index, si):
    return Fraction(1000 if si else 1024) ** index


def whole_text(value):
    """Every digit, no trailing zeros; value has a finite decimal form."""
    sign = "-" if value < 0 else ""
    value = abs(value)
    scale = 0
    while value.denominator != 1:
        value *= 10
        scale += 1
    digits = str(value.numerator).rjust(scale + 1, "0")
    if scale == 0:
        return sign + digits if value else "0"
    return sign + digits[:-scale] + "." + digits[-scale:]


def rounded_text(value, places, mode):
    scaled = value * 10**places
    low = scaled.numerator // scaled.denominator  # floor
    rest = scaled - low
    if rest == 0:
        q = low
    elif mode == "up":
        q = low + 1
    elif mode == "down":
        q = low
    elif mode == "towards-zero":
        q = low + 1 if value < 0 else low
    elif mode == "from-zero":
        q = low if value < 0 else low + 1
    else:  # nearest, ties away from zero
        half = Fraction(1, 2)
        q = low + 1 if rest > half or (rest == half and value > 0) else low
    sign = "-" if q < 0 else ""
    digits = str(abs(q)).rjust(places + 1, "0")
    return sign + (digits[:-places] + "." + digits[-places:] if places else digits)


def automatic_text(value, si, places, mode):
    """--to auto: the largest unit where the exact value is at least 1, or
    the one above when rounding carries it to the base; whole bytes have no
    fraction."""
    names, base = (DECIMAL, 1000) if si else (BINARY, 1024)
    unit = max([i for i in range(7) if abs(value) >= size(i, si)] or [0])
    if unit == 0 and value.denominator == 1:
        return whole_text(value) + "\t" + names[0]
    text = rounded_text(value / size(unit, si), places, mode)
    if unit < 6 and abs(int(text.split(".")[0])) >= base:
        unit += 1
        text = rounded_text(value / size(unit, si), places, mode)
    return text + "\t" + names[unit]


def random_amount(rng):
    digits = str(rng.randrange(1, 10**rng.randrange(1, 40)))
    exponent = rng.randrange(-30, 30)
    if rng.random() < 0.3:  # a value with a tie at some place
        digits, exponent = str(rng.randrange(1, 10**6)) + "5", -rng.randrange(1, 8)
    text = ("-" if rng.random() < 0.3 else "") + digits
    value = Fraction(int(text)) * Fraction(10) ** exponent
    return text + "e" + str(exponent), value


def main():
    mensurex, count = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 160
    rng = random.Random(15)
    cases = []  # (arguments, input lines, expected output)
    for si in (False, True):
        names = DECIMAL if si else BINARY
        for _ in range(count // 2):
            lines, expected = [], []
            source, target = rng.randrange(7), rng.randrange(7)
            if rng.random() < 0.3:  # ratio 1 keeps the amount's ties
                target = source
            places = rng.choice([None, 0, 1, 2, 5])
            mode = rng.choice(MODES)
            for _ in range(25):
                text, value = random_amount(rng)
                lines.append(text + " " + names[source])
                result = value * size(source, si) / size(target, si)
                expected.append(whole_text(result) if places is None
                                else rounded_text(result, places, mode))
            args = ["--to", names[target]] + (["--si"] if si else [])
            if places is not None:
                args += ["--precision", str(places), "--round", mode]
            cases.append((args, lines, expected))
        for _ in range(count // 8):
            places, mode = rng.randrange(3), rng.choice(MODES)
            lines, expected = [], []
            for _ in range(25):
                unit = rng.randrange(7)
                # Just below a unit's base, where rounding may carry.
                value = (size(unit, si) * (1 - Fraction(rng.randrange(60), 10**5))
                         if rng.random() < 0.5 else None)
                if value is None:
                    text, value = random_amount(rng)
                    value *= size(unit, si)
                    lines.append(text + " " + names[unit])
                else:
                    value = Fraction(int(value))
                    lines.append(str(value.numerator))
                expected.append(automatic_text(value, si, places, mode))
            args = ["--to", "auto", "--precision", str(places), "--round", mode]
            cases.append((args + (["--si"] if si else []), lines, expected))
    failures = 0
    for args, lines, expected in cases:
        run = subprocess.run([mensurex] + args, input="\n".join(lines) + "\n",
                             capture_output=True, text=True,
                             env={"LC_ALL": "C"})
        got = run.stdout.splitlines()
        if run.returncode != 0 or got != expected:
            failures += 1
            if failures <= 5:
                print("mismatch:", args, lines, "expected", expected, "got",
                      got, run.stderr.strip())
    print(f"{len(cases)} runs, {failures} mismatched")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
