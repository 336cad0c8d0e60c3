#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""The page behaves as the desktop: random sessions of typing, Calc buttons, press presets,
option clicks, File > New, Edit > Copy Results and pressure calibration entries (points and a
target), played in ostrel.html in headless Chromium and replayed on the
desktop's presenters with the headless text view (session_replay); after every action the 27
boxes, the three selections, the fault report (kind, detail, the box that then has the focus,
its text selected), what the calibration panel shows and the copied results must be the same;
and Tab walks the desktop's focus order. Half the sessions use "." as the decimal separator, half ",".

    page_sessions.py --page build-web/ostrel.html --replay build/tests/web/session_replay [--sessions N]
"""
import argparse
import json
import os
import random
import subprocess
import sys
import time

import web_support

BUTTONS = [("cmdCalc", -1), ("cmdOuterCalc", -1), ("cmdHole", -1), ("cmdTCCalc", -1),
           ("cmdPaperAndTape", -1), ("cmdRam", -1), ("cmdWhichPress", 0), ("cmdWhichPress", 1),
           ("cmdWhichPress", 2), ("cmdWhichPress", 3)]
OPTIONS = [(0, 0), (0, 1), (1, 0), (1, 1), (1, 2), (2, 0), (2, 1), (2, 2)]
INPUT_BOXES = [0, 1, 2, 3, 4, 5, 6, 7, 23, 24]
# The button that reads each input box, so that what was typed is mostly also computed.
READER = {0: "cmdCalc", 1: "cmdCalc", 2: "cmdOuterCalc", 3: "cmdHole", 4: "cmdTCCalc",
          5: "cmdTCCalc", 6: "cmdPaperAndTape", 7: "cmdPaperAndTape", 23: "cmdRam", 24: "cmdRam"}


def typed(rng, separator):
    r = rng.random()
    if r < 0.55:
        text = "%.*g" % (rng.randint(1, 7), rng.uniform(0, 60))
    elif r < 0.65:
        text = rng.choice(["0", "-3", "0.0001", "1e30", "3e38", "1e-40", "-0"])
    elif r < 0.8:
        text = "%de%d" % (rng.randint(1, 9), rng.randint(-40, 39))
    else:
        text = rng.choice(["", "abc", "1,5,", "1..2", " 12 ", "e3", "１２", "x" * 50])
    return text.replace(".", separator)


def session(rng, separator, steps):
    actions = []
    for _ in range(steps):
        r = rng.random()
        if r < 0.45:
            # Mostly the inputs; sometimes a result box, which accepts typing too.
            box = rng.choice(INPUT_BOXES) if rng.random() < 0.9 else rng.randrange(27)
            actions.append(("type", box, typed(rng, separator)))
            if box in READER and rng.random() < 0.6:
                actions.append(("click", READER[box], -1))
        elif r < 0.8:
            actions.append(("click",) + rng.choice(BUTTONS))
        elif r < 0.92:
            actions.append(("choose",) + rng.choice(OPTIONS))
        elif r < 0.96:
            actions.append(("caladd", typed(rng, separator), typed(rng, separator),
                            rng.choice(["Bi I-II", "ZnS", "GaAs", "", "Point <b>"])))
        elif r < 0.97:
            actions.append(("caltarget", typed(rng, separator)))
        elif r < 0.98:
            actions.append(("copy",))
        elif r < 0.99:
            actions.append(("calcall",))
        else:
            actions.append(("new",))
    return actions


# One action in the page, as a user does it: typing replaces a box's text (an input event, as
# typed text gives), a click goes to the element.
ACT = r"""
const [action, a, b] = arguments;
const page = document;
if (action === "type") {
  const box = page.getElementById("box-" + a);
  box.value = b;
  box.dispatchEvent(new Event("input", {bubbles: true}));
  return null;
}
if (action === "click") {
  page.getElementById(b < 0 ? a : a + "_" + b).click();
} else if (action === "caladd") {
  page.getElementById("newForce").value = a;
  page.getElementById("newPressure").value = b;
  page.getElementById("newLabel").value = arguments[3];
  page.getElementById("addPoint").click();
} else if (action === "caltarget") {
  const target = page.getElementById("targetPressure");
  target.value = a;
  target.dispatchEvent(new Event("change", {bubbles: true}));
} else if (action === "copy") {
  page.querySelector("[data-command=copy-results]").click();
} else if (action === "calcall") {
  page.querySelector("[data-command=calculate-all]").click();
} else if (action === "choose") {
  const names = ["optDistanceUnits", "optOilPressureUnits", "optForceUnits"];
  page.getElementById(names[a] + "_" + b).click();
} else {
  page.querySelector("[data-command=new]").click();
  // A design that differs from its file or the start-up design asks first: Don't Save.
  if (page.getElementById("discard").open) page.getElementById("discard-no").click();
}
"""

# The state as the page shows it after an action (arguments[0] is the action's name); a fault
# report is closed with OK, after which the focused box and its selection are part of it.
STATE_BODY = r"""
const dialog = page.getElementById("report");
const state = {
  texts: ostrelPage.texts(),
  selected: [0, 1, 2].map(g => [0, 1, 2].findIndex(i => {
    const e = page.getElementById(["optDistanceUnits", "optOilPressureUnits", "optForceUnits"][g] + "_" + i);
    return e !== null && e.checked;
  })),
  kind: dialog.open ? page.getElementById("report-kind").textContent : "",
  informative: dialog.open ? page.getElementById("report-detail").textContent : "",
  focus: -1,
  marked: ostrelPage.marked(),
  calibration: ostrelPage.calibrationTexts(),
};
if (action === "copy" && window.ostrelLastCopy) state.copied = window.ostrelLastCopy.text;
if (dialog.open) {
  page.getElementById("report-ok").click();
  const active = page.activeElement;
  if (active && active.id.startsWith("box-")) {
    state.focus = Number(active.id.slice(4));
    state.selectedAll = active.selectionStart === 0 && active.selectionEnd === active.value.length;
  }
}
return state;
"""
STEP = ACT + STATE_BODY
STATE = "const action = arguments[0];\nconst page = document;\n" + STATE_BODY


def replay(replayer, separator, actions):
    lines = []
    for a in actions:
        lines.append("\t".join(str(x) for x in a))
    done = subprocess.run([replayer, separator], input="\n".join(lines) + "\n", capture_output=True,
                          text=True, check=True)
    return [json.loads(line) for line in done.stdout.splitlines()]


def check_tab_order(driver, page, replayer):
    """Tab from the box that has the focus at start-up through the whole window: the desktop's
    order, and back to the first control."""
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    want = subprocess.run([replayer, "--tab-order"], capture_output=True, text=True,
                          check=True).stdout.split()
    web_support.open_page(driver, page, "?separator=.")
    active = "return document.activeElement.dataset.name || " \
             "(document.activeElement.parentElement.dataset.name || '')"
    got = [driver.execute_script(active)]
    for _ in range(len(want)):
        ActionChains(driver).send_keys(Keys.TAB).perform()
        got.append(driver.execute_script(active))
    if got != want + want[:1]:
        print("Tab order differs:\n  desktop: %s\n  page:    %s" % (want + want[:1], got))
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--page", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--sessions", type=int, default=300)
    parser.add_argument("--steps", type=int, default=12)
    parser.add_argument("--seed", type=int, default=21)
    args = parser.parse_args()
    if not os.path.exists(args.page):
        return web_support.skip("no page at %s (scripts/web.sh builds it)" % args.page)
    reason = web_support.missing_browser()
    if reason:
        return web_support.skip(reason)
    driver = web_support.chromium()
    rng = random.Random(args.seed)
    failures = 0
    steps_checked = 0
    reports = copies = 0
    start = time.monotonic()
    try:
        failures += check_tab_order(driver, args.page, args.replay)
        for n in range(args.sessions):
            separator = "." if n % 2 == 0 else ","
            web_support.open_page(driver, args.page, "?separator=" + separator)
            actions = session(rng, separator, args.steps)
            expected = replay(args.replay, separator, actions)
            page = [driver.execute_script(
                "document.querySelector('[data-command=calibration]').click();" +
                "const p = ostrelPage; return {texts: p.texts(), selected: [0,1,2].map(g => " +
                "[0,1,2].findIndex(i => { const e = document.getElementById(" +
                "['optDistanceUnits','optOilPressureUnits','optForceUnits'][g] + '_' + i); " +
                "return e !== null && e.checked; })), kind: '', informative: '', focus: -1, " +
                "marked: p.marked(), calibration: p.calibrationTexts()};")]
            for a in actions:
                state = driver.execute_script(STEP, *(list(a) + [None, None, None])[:4])
                if state is not None:
                    page.append(state)
            for i, (want, got) in enumerate(zip(expected, page)):
                steps_checked += 1
                reports += want["kind"] != ""
                copies += "copied" in want
                selected_all = got.pop("selectedAll", True)
                if want != got or not selected_all:
                    failures += 1
                    print("session %d (separator %r), state %d differs:\n  desktop: %s\n  page:    %s"
                          % (n, separator, i, json.dumps(want), json.dumps(got)))
                    break
            if len(expected) != len(page):
                failures += 1
                print("session %d: %d states on the desktop, %d in the page" %
                      (n, len(expected), len(page)))
    finally:
        driver.quit()
    print("%d sessions, %d states compared (%d with a fault report, %d copies), %d differing, "
          "%.1f s" % (args.sessions, steps_checked, reports, copies, failures,
                      time.monotonic() - start))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
