#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
#
# Mutation run: how many deliberate single-point faults in the product the test suite catches.
# Each change listed in scripts/mutations.tsv is applied in turn to a copy of the source tree, the
# copy is rebuilt and the whole test suite runs on it; the change counts as caught when a test
# fails. The source tree itself is never modified.
#
#   scripts/mutation-run.sh [--tests-from REV] [--set SET] [--exclude REGEX] [NAME...]
#
# NAME...            only these mutations (default: all of them)
# --set SET          only the mutations of this set (a "# set: SET" line in the list starts one)
# --exclude REGEX    leave out the tests whose names match (ctest -E), such as the soak tests,
#                    which take a minute whatever the fault
# --tests-from REV   run the tests of git revision REV instead of the current ones (the product
#                    stays the current one), to compare a suite with an earlier one
#
# Works in build-mutation/ (or $OSTREL_MUTATION_DIR): src/ the copy, build/ its build, logs/ one
# CTest log per mutation, results.txt the outcome. Runs niced, with OSTREL_MUTATION_JOBS build and
# test jobs (default 2). The test of the README's commands is left out (it builds the project
# again and tests the scripts, which no mutation touches).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

tests_from=""
only_set=""
exclude=()
while [ $# -gt 0 ]; do
  case "$1" in
    --tests-from)
      [ $# -ge 2 ] || { echo "error: --tests-from needs a git revision" >&2; exit 2; }
      tests_from="$2"
      shift 2
      ;;
    --set)
      [ $# -ge 2 ] || { echo "error: --set needs a set name" >&2; exit 2; }
      only_set="$2"
      shift 2
      ;;
    --exclude)
      [ $# -ge 2 ] || { echo "error: --exclude needs a regular expression" >&2; exit 2; }
      exclude=(-E "$2")
      shift 2
      ;;
    *) break ;;
  esac
done
only=("$@")

work="${OSTREL_MUTATION_DIR:-$OSTREL_ROOT/build-mutation}"
jobs="${OSTREL_MUTATION_JOBS:-2}"
list="$OSTREL_ROOT/scripts/mutations.tsv"
src="$work/src"
build="$work/build"
logs="$work/logs"
results="$work/results.txt"

# The copy: every file git knows of or would add, as it is in the working tree.
rm -rf "$src" "$logs"
mkdir -p "$src" "$logs"
(cd "$OSTREL_ROOT" && git ls-files -z --cached --others --exclude-standard |
  xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
  tar --null -T - -cf -) | tar -xf - -C "$src"
if [ -n "$tests_from" ]; then
  rm -rf "$src/tests"
  git -C "$OSTREL_ROOT" archive "$tests_from" tests | tar -xf - -C "$src"
fi
# tar keeps the files' times, older than the objects an earlier run left built from its last
# fault; new times make the build compile everything again (from the compiler cache if any).
find "$src" -type f -exec touch {} +

run() { nice -n 10 "$@"; }
export QT_QPA_PLATFORM=offscreen
run cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DOSTREL_BUILD_UI=ON \
  -DOSTREL_BUILD_TESTS=ON -DOSTREL_BUILD_BENCH=OFF -DOSTREL_BUILD_FUZZ=OFF \
  -DOSTREL_TEST_SCRIPTS=OFF >"$logs/configure.log" 2>&1
build_and_test() {
  local log="$1"
  run cmake --build "$build" --parallel "$jobs" >"$log.build" 2>&1 || return 2
  # The first failing test settles it; a mutation that no test catches runs the whole suite.
  run ctest --test-dir "$build" --no-tests=error --stop-on-failure --parallel "$jobs" \
    "${exclude[@]}" >"$log" 2>&1 || return 1
  return 0
}

echo "== the unchanged copy"
if ! build_and_test "$logs/unchanged.log"; then
  echo "error: the unchanged copy does not build or pass its tests; see $logs/unchanged.log*" >&2
  exit 1
fi

# Applies a replacement that must match exactly once; the file's text is kept byte for byte.
replace_once() {
  local path="$1" from="$2" to="$3" text rest count=0
  text="$(cat "$path"; printf x)"
  text="${text%x}"
  rest="$text"
  while [[ "$rest" == *"$from"* ]]; do
    rest="${rest#*"$from"}"
    count=$((count + 1))
  done
  [ "$count" -eq 1 ] || { echo "matches $count times, not once" >&2; return 1; }
  printf '%s' "${text/"$from"/"$to"}" >"$path"
}

: >"$results"
caught=0
survived=0
total=0
set_name=""
while IFS=$'\t' read -r name file from to; do
  if [[ "$name" =~ ^"# set: "(.*)$ ]]; then set_name="${BASH_REMATCH[1]}"; fi
  [ -z "$name" ] || [[ "$name" == \#* ]] && continue
  if [ -n "$only_set" ] && [ "$set_name" != "$only_set" ]; then continue; fi
  if [ ${#only[@]} -gt 0 ] && [[ " ${only[*]} " != *" $name "* ]]; then continue; fi
  total=$((total + 1))
  original="$work/original"
  cp -p "$src/$file" "$original"
  if ! replace_once "$src/$file" "$from" "$to"; then
    echo "error: mutation $name does not apply to $file" >&2
    cp -p "$original" "$src/$file"
    exit 1
  fi
  status=0
  build_and_test "$logs/$name.log" || status=$?
  # Back to the original text; its new time stamp makes the next build compile it again.
  cp "$original" "$src/$file"
  touch "$src/$file"
  case "$status" in
    0)
      survived=$((survived + 1))
      line="SURVIVED  $name ($file)"
      ;;
    1)
      caught=$((caught + 1))
      first="$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\).* (Failed)$/\1/p' "$logs/$name.log" | head -n 1)"
      line="caught    $name ($file) by ${first:-a failing test}"
      ;;
    *)
      echo "error: mutation $name does not build; see $logs/$name.log.build" >&2
      exit 1
      ;;
  esac
  echo "$line" | tee -a "$results"
done <"$list"

if [ "$total" -eq 0 ]; then
  echo "error: no mutation is named so${only_set:+ in the set $only_set}" >&2
  exit 2
fi
echo "Caught $caught of $total mutations ($survived survived)${only_set:+ in the set $only_set}${tests_from:+ with the tests of $tests_from}." |
  tee -a "$results"
