#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""The compiler launcher of the WebAssembly build's calculating libraries: compiles a C++ source
to LLVM IR at -O0, has instrument_ir.py route its floating-point operations through the flag
emulation, then optimises and compiles that IR with the command's own options.

    compile_with_flags.py COMPILER ARGS... -c SOURCE.cpp -o OBJECT.o
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    command = sys.argv[1:]
    if "-c" not in command or "-o" not in command:
        os.execvp(command[0], command)  # a link or a probe: nothing to instrument
    out_index = command.index("-o") + 1
    obj = command[out_index]
    ir, instrumented = obj + ".ll", obj + ".flags.ll"
    optimise = [a for a in command if a.startswith("-O")] or ["-O2"]
    rest = command[:out_index - 1] + command[out_index + 1:]
    first = [a for a in rest if not a.startswith("-O") and a != "-c"]
    first += ["-O0", "-Xclang", "-disable-O0-optnone", "-S", "-emit-llvm", "-o", ir]
    subprocess.run(first, check=True)
    subprocess.run([sys.executable, os.path.join(HERE, "instrument_ir.py"), ir, instrumented],
                   check=True)
    # The IR carries the target and every language option; only the optimisation level is added.
    subprocess.run([command[0], *optimise, "-Wno-override-module", "-c", instrumented, "-o", obj],
                   check=True)


if __name__ == "__main__":
    main()
