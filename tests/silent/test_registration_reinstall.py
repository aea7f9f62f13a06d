"""Installing again: the same install twice leaves what it left once, and an
install without "/folder=" finds the first one through its registered open command."""
import os
import unittest

from integration_rows import UNINSTALL, Snapshot
from rig import Prefix
from test_shortcuts import START_MENU, read_folder, user_folder

FOLDER = "C:\\Tools\\Pictomaze\\"
OPTIONS = ["/group=1", "/desktop=1", "/thumbs=1", "/assoc=1"]


def differences(a, b):
    changed, added, removed = a.changes_since(b)
    back, _, _ = b.changes_since(a)
    return sorted(changed.items())[:10], sorted(back.items())[:10], sorted(added)[:10], sorted(removed)[:10]


class ReinstallTest(unittest.TestCase):
    def test_twice_equals_once_and_the_folder_is_found_again(self):
        for windows in ("xp", "10"):
            with self.subTest(windows=windows), Prefix(windows=windows) as p:
                self.assertEqual(p.run_setup("/silent", "/folder=" + FOLDER, *OPTIONS), 0)
                once = Snapshot(p)
                links = read_folder(user_folder(p, "Desktop")), read_folder(user_folder(p, START_MENU))
                self.assertEqual(once.value(UNINSTALL, "InstallLocation"), ("sz", FOLDER))

                self.assertEqual(p.run_setup("/silent", "/folder=" + FOLDER, *OPTIONS), 0)
                twice = Snapshot(p)
                self.assertEqual(twice.keys, once.keys, differences(twice, once))

                # without a folder: the one registered by the first install
                viewer = p.unix(FOLDER + "p_maze32.exe")
                os.remove(viewer)
                self.assertEqual(p.run_setup("/silent", *OPTIONS), 0)
                again = Snapshot(p)
                self.assertEqual(again.keys, once.keys, differences(again, once))
                self.assertTrue(os.path.exists(viewer))  # unpacked there again
                self.assertFalse(os.path.exists(p.unix("C:\\Program Files (x86)\\Pictomaze")))
                self.assertEqual((read_folder(user_folder(p, "Desktop")), read_folder(user_folder(p, START_MENU))),
                                 links)


if __name__ == "__main__":
    unittest.main()
