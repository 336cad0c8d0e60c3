#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""How fast the page is in headless Chromium: the time from navigation until all 27 boxes are
filled (median of several loads), and a Calc click until all 27 boxes are rewritten (the mean of
many clicks of section 1's button, fault-free).

    bench/web_page_timing.py build-web/ostrel.html [LOADS] [CLICKS]
"""
import os
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


def main():
    page = os.path.abspath(sys.argv[1])
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    clicks = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    options = Options()
    for a in ("--headless", "--no-sandbox", "--disable-gpu"):
        options.add_argument(a)
    options.binary_location = "/usr/bin/chromium"
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    ready = []
    try:
        for _ in range(loads):
            driver.get("file://" + page)
            while driver.execute_script("return document.documentElement.dataset.ready") != "1":
                time.sleep(0.005)
            ready.append(float(driver.execute_script(
                "return document.documentElement.dataset.readyMs")))
        per_click = driver.execute_script(
            "const b = document.getElementById('cmdCalc'); const n = arguments[0];"
            "const t0 = performance.now(); for (let i = 0; i < n; ++i) b.click();"
            "return (performance.now() - t0) / n;", clicks)
    finally:
        driver.quit()
    print("page ready (27 boxes filled): median %.1f ms, min %.1f ms over %d loads"
          % (statistics.median(ready), min(ready), loads))
    print("Calc click to 27 boxes: %.3f ms mean over %d clicks" % (per_click, clicks))


if __name__ == "__main__":
    main()
