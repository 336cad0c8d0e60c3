#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""Design files in the page as on the desktop: random sessions that also open files through the
page's file chooser (the desktop's example and test files, hostile ones, files the page saved
before) and save them (a download), replayed on the desktop's presenters with its reader and
writer (session_replay). After every action the page must show what the desktop shows; a refused
file must give the desktop's message and change nothing; a saved file must be byte for byte what
the desktop writes, the calibration points included.

    page_files.py --page build-web/ostrel.html --replay build/tests/web/session_replay \
        --files tests/fuzz/corpus/design_file tests/cli/data [--sessions N]
"""
import argparse
import json
import os
import random
import shutil
import sys
import tempfile
import time

import page_sessions
import web_support


def bad_files(folder):
    """Files the reader refuses that the examples lack: empty, blank, too large, not JSON."""
    made = {
        "empty.ostrel": b"",
        "blank.ostrel": b" \n\t ",
        "picture.ostrel": b"\x89PNG\r\n\x1a\n" + bytes(range(256)),
        "truncated.ostrel": b'{"format": "ostrel-design", "version": 1, "units": {',
        "large.ostrel": b" " * (2 * 1024 * 1024) + b"{}",
    }
    paths = []
    for name, data in made.items():
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        paths.append(path)
    return paths


def session(rng, separator, steps, pool):
    actions = []
    for action in page_sessions.session(rng, separator, steps):
        actions.append(action)
        r = rng.random()
        if r < 0.25:
            actions.append(("open", rng.choice(pool)))
        elif r < 0.45:
            actions.append(("save",))
        elif r < 0.6:
            # A point the calibration takes, so that saved files carry calibrations.
            force = "%.*g" % (rng.randint(2, 9), rng.uniform(10, 3000))
            pressure = "%.*g" % (rng.randint(2, 9), rng.uniform(1, 30))
            actions.append(("caladd", force.replace(".", separator),
                            pressure.replace(".", separator), rng.choice(["Bi I-II", "ZnS", ""])))
    return actions


def wait_for_download(folder, timeout=20.0):
    """The one finished download in folder, read and removed."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        names = [n for n in os.listdir(folder) if not n.endswith(".crdownload")]
        if names:
            path = os.path.join(folder, names[0])
            time.sleep(0.05)
            with open(path, "rb") as f:
                data = f.read()
            os.remove(path)
            return names[0], data
        time.sleep(0.02)
    return None, None


# The box a report names, -1 for none.
NAMED_BOX = """const d = document.getElementById("report");
return d.open && d.focusBox !== undefined ? d.focusBox : -1;"""
ACTIVE_BOX = """const a = document.activeElement;
return a && a.id.startsWith("box-") ? Number(a.id.slice(4)) : -1;"""


def act(driver, action, downloads):
    """One action in the page; its state as page_sessions compares it, with any saved file. A
    refused file's report names no box: the focus then stays where it was, as on the desktop, and
    the state says -1 when it did. (So does a fault of the open sequence, which names no box.)"""
    if action[0] in ("open", "save"):
        before = driver.execute_script(ACTIVE_BOX)
        state, named = file_action(driver, action, downloads)
        if state["kind"] and named < 0 and state["focus"] == before:
            state["focus"] = -1
            state.pop("selectedAll", None)
        return state
    return driver.execute_script(page_sessions.STEP, *(list(action) + [None, None, None])[:4])


def file_action(driver, action, downloads):
    if action[0] == "open":
        before = driver.execute_script("return ostrelPage.opened()")
        driver.execute_script("document.getElementById('open-file').hidden = false")
        chooser = driver.find_element("id", "open-file")
        chooser.send_keys(action[1])
        driver.execute_script("document.getElementById('open-file').hidden = true")
        while driver.execute_script("return ostrelPage.opened()") == before:
            time.sleep(0.01)
        named = driver.execute_script(NAMED_BOX)
        return driver.execute_script(page_sessions.STATE, "open"), named
    if action[0] == "save":
        driver.execute_script("document.querySelector('[data-command=save]').click()")
        named = driver.execute_script(NAMED_BOX)
        state = driver.execute_script(page_sessions.STATE, "save")
        if not state["kind"]:
            name, data = wait_for_download(downloads)
            if name is None:
                state["saved"] = "no download"
            else:
                state["saved"] = {"name": name, "text": data.decode("utf-8", "replace")}
                state["bytes"] = data
        return state, named


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--page", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--files", nargs="+", required=True, help="folders of design files")
    parser.add_argument("--sessions", type=int, default=40)
    parser.add_argument("--steps", type=int, default=8)
    parser.add_argument("--seed", type=int, default=19)
    args = parser.parse_args()
    if not os.path.exists(args.page):
        return web_support.skip("no page at %s (scripts/web.sh builds it)" % args.page)
    reason = web_support.missing_browser()
    if reason:
        return web_support.skip(reason)

    work = tempfile.mkdtemp(prefix="ostrel-page-files-")
    downloads = os.path.join(work, "downloads")
    os.mkdir(downloads)
    pool = sorted(os.path.abspath(os.path.join(folder, n)) for folder in args.files
                  for n in os.listdir(folder) if os.path.isfile(os.path.join(folder, n)))
    pool += bad_files(work)
    driver = web_support.chromium()
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": downloads})
    rng = random.Random(args.seed)
    failures = states = refusals = saves = opens = calibrated = 0
    start = time.monotonic()
    try:
        # Each file once, opened and saved; then random sessions that also reopen saved files.
        plans = [[("open", path), ("save",)] for path in pool] + [None] * args.sessions
        for n, actions in enumerate(plans):
            separator = "." if n % 2 == 0 else ","
            if actions is None:
                actions = session(rng, separator, args.steps, pool)
            web_support.open_page(driver, args.page, "?separator=" + separator)
            driver.execute_cdp_cmd("Page.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": downloads})
            driver.execute_script("document.querySelector('[data-command=calibration]').click()")
            expected = page_sessions.replay(args.replay, separator, actions)[1:]
            page = []
            for a in actions:
                state = act(driver, a, downloads)
                if state is not None:
                    page.append(state)
            played = [a for a in actions if a[0] != "type"]
            for i, (action, want, got) in enumerate(zip(played, expected, page)):
                states += 1
                refusals += want["kind"].startswith("Cannot open") or "not saved" in want["kind"]
                opens += action[0] == "open"
                data = got.pop("bytes", None)
                if data is not None:
                    saves += 1
                    calibrated += b'"points"' in data
                    # Saved files join the pool, under a name of their own.
                    path = os.path.join(work, "saved-%d.ostrel" % saves)
                    with open(path, "wb") as f:
                        f.write(data)
                    pool.append(path)
                    if data != want.get("saved", {}).get("text", "").encode("utf-8"):
                        failures += 1
                        print("plan %d, %s: the saved bytes differ from the desktop's" % (n, action))
                        break
                selected_all = got.pop("selectedAll", True)
                if want != got or not selected_all:
                    failures += 1
                    print("plan %d (separator %r), after %s:\n  desktop: %s\n  page:    %s"
                          % (n, separator, action, json.dumps(want), json.dumps(got)))
                    break
            if len(expected) != len(page):
                failures += 1
                print("plan %d: %d states on the desktop, %d in the page" %
                      (n, len(expected), len(page)))
    finally:
        driver.quit()
        shutil.rmtree(work, ignore_errors=True)
    print("%d plans, %d states compared (%d opens, %d files refused, %d saves, %d of them with "
          "calibration points), %d differing, %.1f s"
          % (len(plans), states, opens, refusals, saves, calibrated, failures,
             time.monotonic() - start))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
