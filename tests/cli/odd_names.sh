#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
#
# A design named in bytes that are not UTF-8 opens with --print; a missing design whose name
# holds an escape sequence is reported with the sequence escaped, never sent to the terminal.
# Usage: odd_names.sh PROGRAM DESIGN
set -u
program=$1
design=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
odd="$dir/$(printf '\377\376').ostrel"
cp "$design" "$odd"
"$program" --print "$odd" >"$dir/out" 2>"$dir/err" || { cat "$dir/err"; exit 1; }
grep -q "Octahedron edge length" "$dir/out" || { echo "no output for a name in any bytes"; exit 1; }
escape=$(printf '\033')
if "$program" --print "$dir/${escape}[31mred.ostrel" 2>"$dir/err"; then
  echo "a missing design was printed"
  exit 1
fi
if grep -q "$escape" "$dir/err"; then
  echo "an escape sequence reached the terminal"
  exit 1
fi
grep -q 'x1b\[31mred.ostrel' "$dir/err" || { cat "$dir/err"; exit 1; }
