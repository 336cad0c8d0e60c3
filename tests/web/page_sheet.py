#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""The page's printed sheet says what the desktop's does: each design file is opened in the page,
printed to PDF by the browser (print_page) and read back with pdftotext, beside the desktop's
`ostrel --sheet` of the same file. Every quantity's value and unit, the calibration table's forces
and pressures, the calibrated pressure (or the calibration's status), the title and the version
must be the same. The date and time are not compared: each program writes them in its own form.
A design that cannot be computed whole has no sheet: `ostrel --sheet` exits 1 and writes nothing,
and the page's Print must show the fault's report and print nothing.

    page_sheet.py --page build-web/ostrel.html --ostrel build/app/ostrel FILE...
"""
import argparse
import base64
import json
import os
import re
import subprocess
import sys
import tempfile
import time

import web_support


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                          check=True).stdout


def values(text, rows):
    """Each quantity's value and unit as the text shows them (a quantity starts a line or
    follows a gap of two blanks or more), or None where it is missing."""
    found = {}
    for row in rows:
        m = re.search(r"(?:^|\s{2})" + re.escape(row["quantity"]) + r"\s+(\S+)\s+" +
                      re.escape(row["unit"]) + r"(?:\s|$)", text, re.MULTILINE)
        found[row["quantity"]] = (m.group(1), row["unit"]) if m else None
    return found


NUMBER = r"-?[0-9][0-9.eE+-]*"


def calibration(text):
    """The calibration table's force and pressure columns and the line under it."""
    at = text.find("Pressure calibration")
    if at < 0:
        return None
    rows = []
    summary = None
    for line in text[at:].splitlines()[1:]:
        m = re.search(r"Calibrated pressure at ([^:]+): (\S+ GPa)", line)
        if m:
            summary = m.groups()
            break
        m = re.match(r"\s*(" + NUMBER + r")\s+(" + NUMBER + r")(?:\s|$)", line)
        if m:
            rows.append(m.groups())
        elif "calibration" in line.lower() or "point" in line.lower():
            summary = (" ".join(line.split()),)
            break
    return {"rows": rows, "summary": summary}


DATE = r"\b\d{4}-\d\d-\d\d \d\d:\d\d\b"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--page", required=True)
    parser.add_argument("--ostrel", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    if not os.path.exists(args.page):
        return web_support.skip("no page at %s (scripts/web.sh builds it)" % args.page)
    reason = web_support.missing_browser()
    if reason:
        return web_support.skip(reason)
    from selenium.webdriver.common.print_page_options import PrintOptions

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    failures = compared = 0
    start = time.monotonic()
    driver = web_support.chromium()
    with tempfile.TemporaryDirectory() as work:
        try:
            for path in args.files:
                path = os.path.abspath(path)
                name = os.path.basename(path)
                desktop_pdf = os.path.join(work, "desktop.pdf")
                if os.path.exists(desktop_pdf):
                    os.remove(desktop_pdf)
                desktop = subprocess.run([args.ostrel, "--sheet", path, desktop_pdf], env=env,
                                         capture_output=True, text=True)
                web_support.open_page(driver, args.page, "?separator=.")
                driver.execute_script("document.getElementById('open-file').hidden = false")
                driver.find_element("id", "open-file").send_keys(path)
                driver.execute_script("document.getElementById('open-file').hidden = true")
                while driver.execute_script("return ostrelPage.opened()") == 0:
                    time.sleep(0.01)
                driver.execute_script("const d = document.getElementById('report');"
                                      "if (d.open) document.getElementById('report-ok').click();")
                if desktop.returncode != 0:
                    compared += 1
                    refused = driver.execute_script(
                        "let printed = false; window.print = function () { printed = true; };"
                        "document.querySelector('[data-command=print]').click();"
                        "const d = document.getElementById('report');"
                        "return [d.open, document.getElementById('report-kind').textContent,"
                        "        printed || document.getElementById('sheet').innerHTML !== '',"
                        "        document.getElementById('report-detail').textContent];")
                    if desktop.returncode != 1 or os.path.exists(desktop_pdf) or \
                            not refused[0] or refused[2] or \
                            "%s. %s" % (refused[1], refused[3]) not in desktop.stderr:
                        failures += 1
                        print("%s: the desktop's --sheet exited %d (%s), the page: %s"
                              % (name, desktop.returncode, desktop.stderr.strip(), refused))
                    else:
                        print("%s: refused by both (%s)" % (name, refused[1]))
                    continue
                driver.execute_script("ostrelPage.prepareSheet();")
                rows = json.loads(driver.execute_script("return Module.results()"))
                page_pdf = os.path.join(work, "page.pdf")
                with open(page_pdf, "wb") as f:
                    f.write(base64.b64decode(driver.print_page(PrintOptions())))
                want, got = pdf_text(desktop_pdf), pdf_text(page_pdf)
                checks = [
                    ("values", values(want, rows), values(got, rows)),
                    ("calibration", calibration(want), calibration(got)),
                    ("title", name in want.split("\n", 3)[0:3] or name in want, name in got),
                    ("version", re.findall(r"Ostrel \S+", want)[:1], re.findall(r"Ostrel \S+", got)[:1]),
                    # the same form of date in every language; the minute may differ
                    ("date form", bool(re.search(DATE, want)), bool(re.search(DATE, got))),
                ]
                missing = [q for q, v in values(want, rows).items() if v is None]
                if missing:
                    failures += 1
                    print("%s: the desktop's sheet lacks %s" % (name, missing))
                for what, a, b in checks:
                    compared += 1
                    if a != b:
                        failures += 1
                        print("%s, %s:\n  desktop: %s\n  page:    %s" % (name, what, a, b))
        finally:
            driver.quit()
    print("%d designs, %d parts compared, %d differing, %.1f s"
          % (len(args.files), compared, failures, time.monotonic() - start))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
