#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
#
# The README's two commands in the order a new user runs them on a fresh clone: the run command,
# then the test command, in one fresh build folder. The test command must build and run the
# optimised suite; a build folder left configured by the run command (tests off) used to make it
# find no tests and still succeed.
#
#   readme_commands_test.sh SCRATCH_DIR
#
# The run command only builds here (OSTREL_RUN_BUILD_ONLY=1) and the test command runs only the
# optimised suite (OSTREL_TEST_RELEASE_ONLY=1: no package test, no sanitizer build). Inside that
# suite this test finds itself and skips (exit 77), so it never recurses.
set -uo pipefail

if [ "${OSTREL_README_COMMANDS_NESTED:-0}" = 1 ]; then
  echo "inside the test command's own run: skipped"
  exit 77
fi
[ $# -eq 1 ] || { echo "usage: $0 SCRATCH_DIR" >&2; exit 2; }
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
scratch="$1"
rm -rf "$scratch"
mkdir -p "$scratch"
build="$scratch/build"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

export OSTREL_BUILD="$build" OSTREL_README_COMMANDS_NESTED=1
echo "== ./scripts/run.sh (build only) in $build"
OSTREL_RUN_BUILD_ONLY=1 "$root/scripts/run.sh" >"$scratch/run.log" 2>&1 ||
  { tail -n 40 "$scratch/run.log" >&2; fail "the run command failed (log: $scratch/run.log)"; }

echo "== ./scripts/test.sh (optimised suite only) in $build"
OSTREL_TEST_RELEASE_ONLY=1 "$root/scripts/test.sh" >"$scratch/test.log" 2>&1
status=$?
tail -n 25 "$scratch/test.log"
[ "$status" -eq 0 ] || fail "the test command exited with $status (log: $scratch/test.log)"
if grep -q "No tests were found" "$scratch/test.log"; then
  fail "the test command ran no test and still succeeded"
fi
# CTest's summary: "100% tests passed, 0 tests failed out of N".
ran="$(sed -n 's/.* tests failed out of \([0-9][0-9]*\)$/\1/p' "$scratch/test.log" | tail -n 1)"
[ -n "$ran" ] && [ "$ran" -gt 0 ] || fail "the test command printed no CTest summary with tests"
echo "PASS: the test command ran $ran tests after the run command"
rm -rf "$build"
