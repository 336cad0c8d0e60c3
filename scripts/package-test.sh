#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Builds the Debian package, checks it with lintian, installs it with apt-get, checks that the
# installed program opens its window, and removes the package again. Installing packages needs
# root (or password-less sudo) and apt-get; without them the test says that it skipped.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

skip() {
  echo "package test skipped: $*"
  exit 0
}
fail() {
  echo "package test failed: $*" >&2
  exit 1
}

command -v apt-get >/dev/null 2>&1 || skip "apt-get is not available"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  { command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; } ||
    skip "installing a package needs root or password-less sudo"
  as_root=(sudo -n)
fi
# One package test at a time on a machine: a second one would install and remove the same
# package under the first one's feet.
exec 9>"${TMPDIR:-/tmp}/ostrel-package-test.lock"
flock 9
# Waits for another apt-get on the machine rather than failing at once.
apt_as_root() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"
}
package_status() { dpkg-query -W -f='${db:Status-Status}' ostrel 2>/dev/null || true; }
# Someone's own installation of the program is not ours to replace or remove.
case "$(package_status)" in
  "" | not-installed) ;;
  *) skip "a package named ostrel is already on this machine ($(package_status))" ;;
esac

ostrel_install_missing "${OSTREL_BUILD_PACKAGES[@]}" lintian xvfb x11-utils
# The test command's own options, so that the build folder it runs its suite in stays as it set it.
ostrel_build -DOSTREL_BUILD_TESTS=ON -DOSTREL_BUILD_BENCH=ON -DOSTREL_TEST_SCRIPTS=ON

work="$(mktemp -d)"
# apt-get reads the package as its unprivileged download user.
chmod 755 "$work"
xvfb_pid=""
app_pid=""
installed=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$installed" ]; then
    apt_as_root purge -y -q ostrel >/dev/null 2>&1
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== building the package"
(cd "$work" && cpack -G DEB --config "$OSTREL_BUILD/CPackConfig.cmake" -B "$work/out") ||
  fail "cpack could not build the package"
deb="$(find "$work/out" -maxdepth 1 -name 'ostrel_*.deb' -print -quit)"
[ -n "$deb" ] || fail "cpack wrote no ostrel_*.deb"
chmod 644 "$deb"
dpkg-deb --field "$deb" Package Version Section Depends

echo "== lintian"
# A tag of the informational kind (I:) is shown but does not fail the test.
lintian_status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reported errors or warnings"

echo "== installing $(basename "$deb")"
installed=yes
apt_as_root install -y -q "$deb" ||
  fail "apt-get could not install the package"
[ "$(package_status)" = installed ] || fail "the package is not installed after apt-get install"
dpkg-query -L ostrel >"$work/files"
for f in '/usr/bin/ostrel' '/usr/share/applications/[^/]+\.desktop' \
  '/usr/share/metainfo/[^/]+\.metainfo\.xml' '/usr/share/icons/hicolor/scalable/apps/[^/]+\.svg'; do
  grep -qxE "$f" "$work/files" || fail "the package installed nothing like $f"
done

echo "== starting the installed program"
# A private X server, so that the window can be looked for from outside the program. It picks a
# free display number itself and writes it to descriptor 3 once it accepts clients.
mkdir -m 700 "$work/runtime"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not report its display"
display=":$(head -n1 "$work/display")"

# Run from a directory without the build in it, so only the installed files can be used.
(cd / && exec env DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" \
  /usr/bin/ostrel) >"$work/ostrel.log" 2>&1 &
app_pid=$!
window=""
for _ in $(seq 150); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    cat "$work/ostrel.log" >&2
    fail "the program ended before its window opened"
  fi
  window="$(xwininfo -display "$display" -name Ostrel 2>/dev/null || true)"
  grep -q "Map State: IsViewable" <<<"$window" && break
  window=""
  sleep 0.2
done
[ -n "$window" ] || { cat "$work/ostrel.log" >&2; fail "no window titled \"Ostrel\" appeared"; }
grep -E "xwininfo: Window id|Width|Height" <<<"$window"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""

echo "== removing the package"
apt_as_root purge -y -q ostrel ||
  fail "apt-get could not remove the package"
installed=""
[ ! -e /usr/bin/ostrel ] || fail "/usr/bin/ostrel is still there after removal"
[ "$(package_status)" != installed ] || fail "dpkg still lists ostrel as installed"
while IFS= read -r f; do
  if [ -f "$f" ]; then fail "$f is still there after removal"; fi
done <"$work/files"
echo "package test passed: built, installed, opened the window \"Ostrel\", removed"
