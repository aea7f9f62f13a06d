#!/usr/bin/env python3
"""Runs one suite of the wizard driver against the real setup, in a throwaway
Wine prefix and on a private X screen, so that suites may run side by side.

usage: run_driver.py SUITE   (the gtest suite name; names starting with it run)
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "silent"))
from rig import BUILD_DIR, DEVNULL, SETUP_EXE, Prefix  # noqa: E402
from xscreen import PrivateScreen  # noqa: E402

DRIVER = os.path.join(BUILD_DIR, "tests", "wizard_driver.exe")
FAKE_VIEWER = os.path.join(BUILD_DIR, "tests", "fake_viewer.exe")


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def prepare_screen(prefix):
    # Xvfb runs no window manager: unmanaged windows spare Wine its wait for
    # one after each window that goes, and Wine draws the title bars itself.
    prefix.reg_add(r"HKCU\Software\Wine\X11 Driver", "Managed", "N")


def main():
    suite = sys.argv[1]
    with PrivateScreen() as screen:
        os.environ["DISPLAY"] = screen.display  # the prefix's own services start on it too
        with Prefix() as prefix:
            prepare_screen(prefix)
            env = dict(prefix.env, DISPLAY=screen.display,
                       PICTOMAZE_SETUP=windows_path(SETUP_EXE),
                       PICTOMAZE_FAKE_VIEWER=windows_path(FAKE_VIEWER))
            result = subprocess.run(["wine", DRIVER, "--gtest_filter=%s*" % suite], env=env,
                                    stdin=DEVNULL, timeout=1200)
    return result.returncode


if __name__ == "__main__":
    sys.exit(main())
