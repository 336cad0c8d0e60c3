#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""The web edition computes the desktop's numbers: random designs, faulting and overflowing ones
among them, through the desktop's `ostrel --batch` and the WebAssembly batch under Node; the
standard output, the standard error and the exit status must be byte-identical, for the texts in
several unit selections and for --exact.

    batch_identity.py --native build/app/ostrel --wasm build-web/web/ostrel_batch.js [--count N]
"""
import argparse
import os
import random
import struct
import subprocess
import sys
import tempfile
import time

import web_support

KEYS = ["OEL", "TEL", "GasketWidth", "HoleDiameter", "TCCentralDepth", "TCEdgePosition",
        "CubeSize", "TapeThickness", "RamDiameter", "OilPressure"]
# Where each input usually lies (mm, MPa), so that most rows compute and some fault.
RANGES = [(5, 25), (1, 20), (0.5, 10), (0.5, 10), (0, 5), (0, 25), (10, 60), (0, 1), (100, 600),
          (0, 100)]
GARBAGE = ["", "abc", "1,5", "1e", "--1", ".", "e5", "1.2.3", "0x10", "inf", "NaN", " 7 x"]
RUNS = [  # (name, extra arguments)
    ("texts", []),
    ("exact", ["--exact"]),
    ("inches-bars-ustons", ["--units", "Inches,bars,US tons"]),
    ("json-psi-metric", ["--format", "json", "--units", "Millimeters,psi,Metric tons"]),
]


def float32_text(rng):
    """A random finite float's bits, as the shortest-enough decimal that reads back to it."""
    while True:
        v = struct.unpack("<f", struct.pack("<I", rng.getrandbits(32)))[0]
        if v == v and abs(v) != float("inf"):
            return "%.9g" % v


def field(rng, low, high):
    r = rng.random()
    if r < 0.62:
        return "%.*g" % (rng.randint(1, 9), rng.uniform(low, high))
    if r < 0.70:
        return rng.choice(["0", "-0", "0.0", "-%g" % rng.uniform(low, high)])
    if r < 0.80:
        return "%de%d" % (rng.randint(1, 9), rng.randint(-45, 40))
    if r < 0.90:
        return float32_text(rng)
    if r < 0.95:
        return "%.17g" % rng.uniform(low, high)
    return rng.choice(GARBAGE)


def write_input(path, count, seed):
    rng = random.Random(seed)
    order = list(range(len(KEYS)))
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write(",".join(KEYS[i] for i in order) + "\n")
        for _ in range(count):
            f.write(",".join(field(rng, *RANGES[i]) for i in order) + "\n")


def run(command, path):
    done = subprocess.run(command + [path], capture_output=True, check=False)
    return done.returncode, done.stdout, done.stderr


def first_difference(a, b):
    for n, (x, y) in enumerate(zip(a.split(b"\n"), b.split(b"\n")), 1):
        if x != y:
            return "line %d:\n  desktop: %r\n  web:     %r" % (n, x[:300], y[:300])
    return "lengths differ: %d and %d bytes" % (len(a), len(b))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--native", required=True)
    parser.add_argument("--wasm", required=True)
    parser.add_argument("--node", default="node")
    parser.add_argument("--count", type=int, default=100000)
    parser.add_argument("--seed", type=int, default=21)
    args = parser.parse_args()
    if not os.path.exists(args.wasm):
        return web_support.skip("no web build at %s (scripts/web.sh builds it)" % args.wasm)

    # The desktop's output must not follow the locale; a comma locale makes sure.
    env = dict(os.environ, LC_ALL="de_DE.UTF-8")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(name, None)
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "designs.csv")
        write_input(path, args.count, args.seed)
        for name, extra in RUNS:
            start = time.monotonic()
            native = subprocess.run([args.native, "--batch", *extra, path], capture_output=True,
                                    env=env, check=False)
            middle = time.monotonic()
            web = subprocess.run([args.node, args.wasm, *extra, path], capture_output=True,
                                 check=False)
            end = time.monotonic()
            faults = native.stdout.count(b"Overflow") + native.stdout.count(b"Division by zero")
            print("%-20s %d rows (%d computed with a fault): desktop %.1f s, web %.1f s, "
                  "%d bytes" % (name, args.count, faults, middle - start, end - middle,
                                len(native.stdout)))
            for what, a, b in (("exit status", native.returncode, web.returncode),
                               ("standard error", native.stderr, web.stderr),
                               ("standard output", native.stdout, web.stdout)):
                if a != b:
                    failures += 1
                    detail = first_difference(a, b) if isinstance(a, bytes) else "%s, %s" % (a, b)
                    print("  %s differs (seed %d): %s" % (what, args.seed, detail))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
