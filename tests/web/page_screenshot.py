#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
"""Screenshot of the page as it opens (menu bar and calculator) in headless Chromium, for the docs:

    page_screenshot.py build-web/ostrel.html page.png       (prints the page's size, W x H)
    build/tests/ui/ostrel_window_screenshot desktop.png
    convert page.png -crop WxH+0+0 +repage page.png
    convert desktop.png \( -size 16x10 xc:white \) page.png -background white -gravity north \
        +append +repage docs/web-beside-desktop.png
"""
import sys

import web_support


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    driver = web_support.chromium()
    try:
        web_support.open_page(driver, sys.argv[1], "?separator=.")
        # The menu bar and the calculator, nothing of the empty page around them.
        size = driver.execute_script(
            "const m = document.getElementById('frmMain').getBoundingClientRect();"
            "return [Math.ceil(m.right), Math.ceil(m.bottom)];")
        driver.set_window_size(size[0] + 40, size[1] + 200)
        web_support.open_page(driver, sys.argv[1], "?separator=.")
        driver.save_screenshot(sys.argv[2])
        print("%s: the page, %d x %d CSS pixels" % (sys.argv[2], size[0], size[1]))
    finally:
        driver.quit()
    return 0


if __name__ == "__main__":
    sys.exit(main())
