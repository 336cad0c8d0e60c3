# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""What the web tests share: skipping without the web build or a browser (a failure when the test
command requires them), and headless Chromium through its WebDriver."""
import os
import time

SKIPPED = 77


def skip(reason):
    """77 (CTest's skip) when the web edition is optional, a failure when the test command asks
    for it (OSTREL_WEB_REQUIRED=1), so that a missing page or browser cannot pass unnoticed."""
    if os.environ.get("OSTREL_WEB_REQUIRED") == "1":
        print("FAIL: %s; the test command requires the web edition" % reason)
        return 1
    print("skipped: %s" % reason)
    return SKIPPED


def missing_browser():
    """Why headless Chromium cannot be driven here, or None."""
    try:
        import selenium  # noqa: F401
    except ImportError:
        return "python3-selenium is not installed"
    for program in ("/usr/bin/chromium", "/usr/bin/chromedriver"):
        if not os.path.exists(program):
            return "%s is not installed" % program
    return None


def chromium(download_folder=None):
    """Headless Chromium; --no-sandbox because the tests also run as root (CI)."""
    from selenium import webdriver
    from selenium.webdriver.chrome.options import Options
    from selenium.webdriver.chrome.service import Service
    options = Options()
    for a in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
              "--window-size=900,800"):
        options.add_argument(a)
    options.binary_location = "/usr/bin/chromium"
    if download_folder:
        options.add_experimental_option("prefs", {
            "download.default_directory": download_folder, "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def open_page(driver, page, query=""):
    """Loads the page and waits until its boxes are filled."""
    driver.get("file://%s%s" % (os.path.abspath(page), query))
    while driver.execute_script("return document.documentElement.dataset.ready") != "1":
        time.sleep(0.01)
