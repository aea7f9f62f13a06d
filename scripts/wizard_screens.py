#!/usr/bin/env python3
"""Screenshots of the wizard: on a private X screen and in a throwaway prefix,
the wizard driver walks through the pages with Next, at 96 and 144 dpi, and
each page reached is saved to build/screenshots/ (xwd, cropped by convert)."""
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "silent"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "wizard"))
from rig import BUILD_DIR, DEVNULL, SETUP_EXE, Prefix  # noqa: E402
from run_driver import DRIVER, FAKE_VIEWER, prepare_screen, windows_path  # noqa: E402
from xscreen import PrivateScreen  # noqa: E402

PAGES = ["welcome", "release-notes", "associations", "ready", "finished"]
OUT = os.path.join(BUILD_DIR, "screenshots")


def shoot(display, rect, path):
    left, top, right, bottom = (max(0, v) for v in rect)
    shot = subprocess.run(["xwd", "-root", "-silent", "-display", display],
                          stdout=subprocess.PIPE, check=True).stdout
    subprocess.run(["convert", "xwd:-", "-crop", "%dx%d+%d+%d" % (right - left, bottom - top, left, top),
                    "+repage", path], input=shot, check=True)


def walk(dpi):
    saved = []
    with PrivateScreen("1920x1200x24") as screen:
        os.environ["DISPLAY"] = screen.display
        with Prefix() as prefix:
            prepare_screen(prefix)
            prefix.reg_add(r"HKCU\Control Panel\Desktop", "LogPixels", dpi, "REG_DWORD")
            env = dict(prefix.env, DISPLAY=screen.display, PICTOMAZE_SETUP=windows_path(SETUP_EXE),
                       PICTOMAZE_FAKE_VIEWER=windows_path(FAKE_VIEWER))
            driver = subprocess.Popen(["wine", DRIVER, "--walk-pages"], env=env, stdin=subprocess.PIPE,
                                      stdout=subprocess.PIPE, stderr=DEVNULL, text=True)
            for line in driver.stdout:
                parts = line.split()
                if len(parts) != 6 or parts[0] not in ("page", "box"):
                    continue
                index = int(parts[1])
                name = PAGES[index] if parts[0] == "page" else "message-on-page-%d" % index
                time.sleep(0.3)  # Wine hands its last paint to the X server shortly after
                path = os.path.join(OUT, "%ddpi-%d-%s.png" % (dpi, index, name))
                shoot(screen.display, [int(v) for v in parts[2:]], path)
                saved.append(path)
                driver.stdin.write("\n")
                driver.stdin.flush()
            driver.wait(timeout=120)
    return saved


def main():
    os.makedirs(OUT, exist_ok=True)
    for dpi in (96, 144):
        for path in walk(dpi):
            print("wizard: saved", os.path.relpath(path))


if __name__ == "__main__":
    main()
