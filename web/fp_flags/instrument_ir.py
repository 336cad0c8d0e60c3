#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""Rewrites LLVM IR so that each floating-point operation that can raise a status flag calls the
emulation in core/fp_emulation.cpp instead: arithmetic, float rounding, truncation to integers,
ordered comparisons (which signal on a NaN), square roots and powers. The IR must come from -O0
(with optnone off), so that each operation of the source is still there, in order; as calls to
functions defined elsewhere, the optimiser later keeps all of them and their order.

    instrument_ir.py IN.ll OUT.ll
"""
import re
import sys

TYPES = {"double": "f64", "float": "f32"}
BITS = {"i32": "i32", "i64": "i64"}

ARITHMETIC = re.compile(r"^(\s*%[\w.]+ = )(fadd|fsub|fmul|fdiv) (double|float) ([^,]+), ([^,]+)$")
TRUNCATE_FLOAT = re.compile(r"^(\s*%[\w.]+ = )fptrunc double ([^,\s]+) to float$")
TO_INTEGER = re.compile(r"^(\s*%[\w.]+ = )fptosi (double|float) ([^,\s]+) to (i32|i64)$")
ORDERED = re.compile(r"^(\s*)(%[\w.]+ = fcmp (?:olt|ole|ogt|oge) (double|float) ([^,]+), ([^,]+))$")
CALLS = {
    "@llvm.sqrt.f64(": "@ostrel_fp_sqrt_f64(",
    "@llvm.sqrt.f32(": "@ostrel_fp_sqrt_f32(",
    "@sqrt(": "@ostrel_fp_sqrt_f64(",
    "@sqrtf(": "@ostrel_fp_sqrt_f32(",
    "@llvm.pow.f64(": "@ostrel_fp_pow_f64(",
    "@llvm.pow.f32(": "@ostrel_fp_pow_f32(",
    "@pow(": "@ostrel_fp_pow_f64(",
    "@powf(": "@ostrel_fp_pow_f32(",
}
DECLARATIONS = [
    *(f"declare {t} @ostrel_fp_{op}_{s}({t}, {t})" for t, s in TYPES.items()
      for op in ("fadd", "fsub", "fmul", "fdiv", "pow")),
    *(f"declare {t} @ostrel_fp_sqrt_{s}({t})" for t, s in TYPES.items()),
    *(f"declare void @ostrel_fp_signal_{s}({t}, {t})" for t, s in TYPES.items()),
    *(f"declare {i} @ostrel_fp_fptosi_{s}_{i}({t})" for t, s in TYPES.items() for i in BITS),
    "declare float @ostrel_fp_fptrunc(double)",
]


def rewrite(line):
    if m := ARITHMETIC.match(line):
        lead, op, t, a, b = m.groups()
        return f"{lead}call {t} @ostrel_fp_{op}_{TYPES[t]}({t} {a}, {t} {b})"
    if m := TRUNCATE_FLOAT.match(line):
        return f"{m.group(1)}call float @ostrel_fp_fptrunc(double {m.group(2)})"
    if m := TO_INTEGER.match(line):
        lead, t, a, i = m.groups()
        return f"{lead}call {i} @ostrel_fp_fptosi_{TYPES[t]}_{i}({t} {a})"
    if m := ORDERED.match(line):
        indent, compare, t, a, b = m.groups()
        return f"{indent}call void @ostrel_fp_signal_{TYPES[t]}({t} {a}, {t} {b})\n{indent}{compare}"
    if line.lstrip().startswith("declare "):
        # The replaced functions' own declarations stay; unused, they cost nothing.
        return line
    for old, new in CALLS.items():
        if " call " in line and old in line:
            line = line.replace(old, new)
    return line


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        lines = f.read().split("\n")
    out = [rewrite(line) for line in lines]
    # Operations this pass cannot rewrite would raise no flag: refuse them rather than miss one.
    for line in out:
        if re.search(r"= (frem|fptoui) |llvm\.(fma|fmuladd|experimental\.constrained)\.", line):
            sys.exit(f"instrument_ir.py: {source}: cannot instrument: {line.strip()}")
    with open(target, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n" + "\n".join(DECLARATIONS) + "\n")


if __name__ == "__main__":
    main()
