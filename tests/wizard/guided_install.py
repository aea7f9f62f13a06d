#!/usr/bin/env python3
"""One whole guided install against the silent install of the same choices.

usage: guided_install.py SCENARIO   (a test of the driver's GuidedInstall suite)

On a private X screen, the wizard driver clicks through the scenario in a
throwaway prefix that reports the scenario's Windows version. Then the real
setup runs silently in a second prefix with the matching command line. Both
must leave the same files (shortcuts read with lnkinfo) and the same registry,
except for the association rows of the chosen groups where the command line
cannot name the wizard's choice: there each install must hold exactly the
rows integration_rows.expected_rows gives for its own choice."""
import hashlib
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "silent"))
from integration_rows import ALL, FILEEXTS, IMAGES, Snapshot, ancestors, expected_rows, lower_rows, read_shortcut  # noqa: E402
from rig import DEVNULL, SETUP_EXE, Prefix  # noqa: E402
from run_driver import DRIVER, FAKE_VIEWER, prepare_screen, windows_path  # noqa: E402
from xscreen import PrivateScreen  # noqa: E402

FOLDER = "C:\\Apps\\Pictomaze"


class Scenario:
    def __init__(self, windows, silent_args, chosen, silent_chosen, assoc_all_users=False, thumbs=True):
        self.windows = windows
        self.silent_args = ["/silent", "/folder=" + FOLDER] + silent_args
        self.chosen = chosen  # groups the guided install associates
        self.silent_chosen = silent_chosen  # groups the silent install associates
        self.assoc_all_users = assoc_all_users
        self.thumbs = thumbs


# The wizard keeps the settings beside the program on XP ("/ini=" empty) and in
# the application data folder from Vista on (the silent default).
SCENARIOS = {
    "XpAssociationsLocked": Scenario("xp", ["/desktop=1", "/thumbs=1", "/group=1", "/ini="], set(), set()),
    "XpImagesForAllUsers": Scenario("xp", ["/desktop=1", "/allusers=1", "/assoc=1", "/assocallusers", "/ini="],
                                    IMAGES, IMAGES, assoc_all_users=True, thumbs=False),
    "Win7RowsTwoAndTwentyThree": Scenario("7", ["/desktop=1", "/thumbs=1", "/group=1", "/allusers=1"],
                                          {2, 23}, set()),
    # The images were ticked, but the question was answered No.
    "Win10FailureViewerAndNo": Scenario("10", ["/desktop=1", "/group=1"], set(), set(), thumbs=False),
    "Win10AllGroups": Scenario("10", ["/desktop=1", "/thumbs=1", "/group=1", "/assoc=2"], ALL, ALL),
}


def flat(snapshot):
    return {(key, name): value for key, (_, values) in snapshot.keys.items() for name, value in values.items()}


def drive_c(prefix):
    """{path below C:\\: contents} of the prefix's drive C: outside the Windows
    folder; shortcut files by their lnkinfo fields, other files by size and digest."""
    root = prefix.unix("C:\\")
    files = {}
    for folder, dirs, names in os.walk(root):
        rel = os.path.relpath(folder, root)
        if rel == ".":
            dirs[:] = [d for d in dirs if d.lower() != "windows"]
        for d in dirs:
            files[os.path.join(rel, d)] = "folder"
        for name in names:
            path = os.path.join(folder, name)
            if os.path.islink(path):
                continue
            if name.lower().endswith(".lnk"):
                files[os.path.join(rel, name)] = read_shortcut(path)
            else:
                with open(path, "rb") as f:
                    data = f.read()
                files[os.path.join(rel, name)] = (len(data), hashlib.sha1(data).hexdigest())
    return files


def show(items, limit=20):
    items = sorted(items.items() if isinstance(items, dict) else items, key=str)
    return "\n".join(map(str, items[:limit])) + ("\n..." if len(items) > limit else "")


class GuidedAgainstSilent(unittest.TestCase):
    name = None

    def test_guided_equals_silent(self):
        scenario = SCENARIOS[self.name]
        with PrivateScreen() as screen:
            os.environ["DISPLAY"] = screen.display
            with Prefix(windows=scenario.windows) as guided:
                prepare_screen(guided)
                env = dict(guided.env, DISPLAY=screen.display, GUIDED_FOLDER=FOLDER,
                           PICTOMAZE_SETUP=windows_path(SETUP_EXE), PICTOMAZE_FAKE_VIEWER=windows_path(FAKE_VIEWER))
                driver = subprocess.run(["wine", DRIVER, "--gtest_filter=GuidedInstall.%s" % self.name], env=env,
                                        stdin=DEVNULL, timeout=1200)
                self.assertEqual(driver.returncode, 0, "the driver's checks of the wizard failed (see above)")
                guided_rows, guided_files = Snapshot(guided), drive_c(guided)
            with Prefix(windows=scenario.windows) as silent:
                prepare_screen(silent)
                self.assertEqual(silent.run_setup(*scenario.silent_args), 0)
                silent_rows, silent_files = Snapshot(silent), drive_c(silent)

        self.compare_files(scenario, guided_files, silent_files)
        self.compare_registry(scenario, guided_rows, silent_rows)

    def compare_files(self, scenario, guided, silent):
        differ = {p: (guided.get(p), silent.get(p)) for p in guided.keys() | silent.keys()
                  if guided.get(p) != silent.get(p)}
        self.assertEqual(differ, {}, "files that differ (guided, silent):\n" + show(differ))
        folder = os.path.join("Apps", "Pictomaze")
        self.assertIn(os.path.join(folder, "p_maze32.exe"), guided)
        self.assertFalse([p for p in guided if p.lower().endswith("pictomaze_install.log")], "no install log")
        # The viewer's settings: beside the program on XP; from Vista on in the
        # application data folder, to which the program folder's file points.
        settings = sorted(p for p in guided if p.lower().endswith("p_maze32.ini"))
        in_app_data = [p for p in settings if p.endswith(os.path.join("AppData", "Roaming", "Pictomaze", "p_maze32.ini"))]
        self.assertIn(os.path.join(folder, "p_maze32.ini"), settings)
        self.assertEqual(len(in_app_data), 0 if scenario.windows == "xp" else 1, settings)
        self.assertEqual(len(settings), 1 + len(in_app_data), settings)

    def compare_registry(self, scenario, guided, silent):
        def expected(chosen):
            return lower_rows(expected_rows(scenario.windows, FOLDER + "\\", chosen, scenario.assoc_all_users,
                                            scenario.thumbs))

        for name, snapshot, chosen in (("guided", guided, scenario.chosen), ("silent", silent, scenario.silent_chosen)):
            rows = expected(chosen)
            found = flat(snapshot)
            wrong = {k: (found.get(k), v) for k, v in rows.items() if found.get(k) != v}
            self.assertEqual(wrong, {}, "%s install: rows missing or different (found, expected):\n%s"
                             % (name, show(wrong)))

        # Everything beyond the rows of the chosen groups is the same in both.
        expected_guided, expected_silent = expected(scenario.chosen), expected(scenario.silent_chosen)
        rest_guided = {k: v for k, v in flat(guided).items() if k not in expected_guided}
        rest_silent = {k: v for k, v in flat(silent).items() if k not in expected_silent}
        differ = {k: (rest_guided.get(k), rest_silent.get(k)) for k in rest_guided.keys() | rest_silent.keys()
                  if rest_guided.get(k) != rest_silent.get(k)}
        self.assertEqual(differ, {}, "registry values that differ (guided, silent):\n" + show(differ))
        chosen_keys = ancestors({k for k, _ in expected_guided} | {k for k, _ in expected_silent})
        only_one = (set(guided.keys) ^ set(silent.keys)) - chosen_keys
        self.assertEqual(only_one, set(), "keys in only one of the installs")

        # Landmarks of the choice itself, so that a slip in the oracle cannot hide one.
        user_choice = sorted(k.split("\\")[-2] for k in guided.keys
                             if k.startswith(FILEEXTS.lower()) and k.endswith("\\userchoice"))
        appx = [k for k in guided.keys if "\\classes\\appx" in k]
        if scenario.windows == "xp" or not scenario.chosen:
            self.assertEqual(user_choice, [])
        if self.name == "Win7RowsTwoAndTwentyThree":
            self.assertEqual(user_choice, [".bmp", ".dib", ".jpe", ".jpeg", ".jpg"])
        # The Open With values are written in the same step as the association
        # notifications; they show that step was left out after a No.
        self.assertEqual(len(appx), 5 if scenario.windows == "10" and scenario.chosen else 0, appx)


def main():
    GuidedAgainstSilent.name = sys.argv[1]
    if GuidedAgainstSilent.name not in SCENARIOS:
        sys.exit("unknown scenario %s; one of %s" % (GuidedAgainstSilent.name, ", ".join(SCENARIOS)))
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(GuidedAgainstSilent)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
