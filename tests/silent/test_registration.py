"""The registry rows a silent install leaves, per reported Windows version, read
back from the real registry of a throwaway prefix and compared with the rows
expected for that version: every expected row present, nothing else."""
import unittest

from integration_rows import (ALL, CLASSES, HKLM, IMAGES, Snapshot, ancestors, expected_rows,
                              lower_rows)
from rig import Prefix

FOLDER = "C:\\Apps\\Pictomaze\\"

# windows, extra arguments, chosen groups, associate for all users, thumbnails shortcut
SCENARIOS = [
    ("xp", ["/assoc=1", "/thumbs=1"], IMAGES, False, True),
    ("xp", ["/assoc=2", "/assocallusers"], ALL, True, False),
    ("xp", [], set(), False, True),
    ("7", ["/assoc=1", "/thumbs=1"], IMAGES, False, True),
    ("7", ["/thumbs=0"], set(), False, False),
    ("10", ["/assoc=2", "/thumbs=1"], ALL, False, True),
    ("10", ["/thumbs=1"], set(), False, True),
]


def show(rows, limit=12):
    items = sorted(rows.items() if isinstance(rows, dict) else rows)
    return "\n".join(map(str, items[:limit])) + ("\n..." if len(items) > limit else "")


class RegistrationRowsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Every prefix starts as a clone of the same template.
        with Prefix() as p:
            cls.before = Snapshot(p)

    def check_install(self, windows, args, selection, assoc_all_users, thumbs):
        before = self.before
        with Prefix(windows=windows) as p:
            code = p.run_setup("/silent", "/folder=" + FOLDER.rstrip("\\"), "/group=0", "/desktop=0", *args)
            self.assertEqual(code, 0)
            after = Snapshot(p)
            # the list is never created, in neither registry view
            registered_64 = p.wine("reg", "query", r"HKLM\SOFTWARE\RegisteredApplications", "/reg:64").returncode == 0
            if windows != "xp":  # the 32-bit view is the one written
                self.assertEqual(p.wine("reg", "query", r"HKLM\SOFTWARE\Wow6432Node\Pictomaze", "/reg:64").returncode, 0)

        expected = lower_rows(expected_rows(windows, FOLDER, selection, assoc_all_users, thumbs))
        changed, added, removed = after.changes_since(before)

        wrong = {k: (after.keys.get(k[0], (None, {}))[1].get(k[1]), v) for k, v in expected.items()
                 if after.keys.get(k[0], (None, {}))[1].get(k[1]) != v}
        self.assertEqual(wrong, {}, "rows missing or different (found, expected):\n" + show(wrong))
        unexpected = {k: v for k, v in changed.items() if k not in expected}
        self.assertEqual(unexpected, {}, "rows nobody asked for:\n" + show(unexpected))

        key_only = set()
        if windows != "xp":
            key_only.add((HKLM + "Pictomaze\\Capabilities\\FileAssociations").lower())
            self.assertTrue(after.has_key(HKLM + "Pictomaze\\Capabilities\\FileAssociations"))
        stray = added - ancestors({k for k, _ in expected} | key_only)
        self.assertEqual(stray, set(), "keys nobody asked for:\n" + show(stray))
        self.assertEqual(removed, set())
        self.assertFalse(after.has_key(HKLM + "RegisteredApplications"))
        self.assertFalse(registered_64)
        return expected

    def test_rows_per_windows_class(self):
        for windows, args, selection, assoc_all_users, thumbs in SCENARIOS:
            with self.subTest(windows=windows, args=args):
                rows = self.check_install(windows, args, selection, assoc_all_users, thumbs)
                # a few landmarks, so that a slip in the oracle cannot hide one in the program
                keys = {k for k, _ in rows}
                self.assertEqual((HKLM + "pictomaze\\shell\\open\\command").lower() in keys, windows != "xp")
                self.assertEqual(any(k.endswith("\\userchoice") for k in keys), windows != "xp" and bool(selection))
                self.assertEqual(any("\\appx" in k for k in keys), windows == "10" and bool(selection))
                self.assertEqual(any(k.endswith("\\drive\\shell\\" + "durchsuchen mit &pictomaze") for k in keys),
                                 windows != "xp" and thumbs)
                jpeg_default = rows.get(((CLASSES + ".jpeg").lower(), ""))
                self.assertEqual(jpeg_default is not None,
                                 (23 in selection) and (windows != "xp" or assoc_all_users))


if __name__ == "__main__":
    unittest.main()
