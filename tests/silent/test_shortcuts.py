"""The shortcut files of a silent install, read back with lnkinfo."""
import os
import unittest

from integration_rows import read_shortcut
from rig import Prefix

FOLDER = "C:\\Apps\\Pictomaze\\"
EXE = FOLDER + "p_maze32.exe"
START_MENU = "AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Pictomaze"
COMMON_DESKTOP = "C:\\users\\Public\\Desktop"
COMMON_GROUP = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Pictomaze"


def link(target, arguments=None, icon=None, icon_index=None, description=None):
    return {"target": target, "arguments": arguments, "icon": icon, "icon_index": icon_index,
            "description": description}


DESKTOP = {
    "Pictomaze.lnk": link(EXE, description="Pictomaze - Bildbetrachter"),
    "Pictomaze Thumbnails.lnk": link(EXE, "/thumbs", EXE, 7, "Pictomaze - Thumbnails"),
}


def group(windows):
    entries = {
        "Pictomaze 4.58.lnk": link(EXE),
        "Pictomaze - Thumbnails.lnk": link(EXE, "/thumbs", EXE, 7),
        "Pictomaze deinstallieren.lnk": link(FOLDER + "pm_uninstall.exe"),
        "Über Pictomaze.lnk": link(FOLDER + "p_about.txt"),
        "Was ist neu.lnk": link(FOLDER + "p_changes.txt"),
        "Kommandozeilen-Optionen.lnk": link(FOLDER + "p_options.txt"),
        "Verfügbare PlugIns.lnk": link(FOLDER + "p_plugins.txt"),
        "Verfügbare Sprachen.lnk": link(FOLDER + "p_languages.txt"),
        "Pictomaze Hilfe.lnk": link(FOLDER + "help\\p_maze32_deutsch.chm"),
    }
    if windows == "10":  # reports 6.2: no uninstaller in the group
        del entries["Pictomaze deinstallieren.lnk"]
    return entries


def user_folder(prefix, sub=""):
    users = prefix.unix("C:\\users")
    [user] = [u for u in os.listdir(users) if u != "Public"]
    return os.path.join(users, user, *[s for s in sub.split("\\") if s])


def read_folder(path, only=None):
    """{file name: fields} of the shortcut files in a folder ({} when it is missing)."""
    if not os.path.isdir(path):
        return {}
    names = sorted(n for n in os.listdir(path) if n.endswith(".lnk") and (only is None or n in only))
    return {n: read_shortcut(os.path.join(path, n)) for n in names}


class ShortcutsTest(unittest.TestCase):
    def install(self, prefix, *args):
        self.assertEqual(prefix.run_setup("/silent", "/folder=" + FOLDER, *args), 0)

    def test_current_user_per_windows_version(self):
        for windows in ("xp", "7", "10"):
            with self.subTest(windows=windows), Prefix(windows=windows) as p:
                self.install(p, "/group=1", "/desktop=1", "/thumbs=1")
                self.assertEqual(read_folder(user_folder(p, "Desktop")), DESKTOP)
                entries = read_folder(user_folder(p, START_MENU))
                self.assertEqual(entries, group(windows))
                self.assertEqual(len(entries), 8 if windows == "10" else 9)
                self.assertEqual(read_folder(p.unix(COMMON_DESKTOP)), {})
                self.assertFalse(os.path.exists(p.unix(COMMON_GROUP)))

    def test_all_users_in_the_common_folders(self):
        with Prefix(windows="7") as p:
            self.install(p, "/group=1", "/desktop=1", "/thumbs=1", "/allusers=1")
            self.assertEqual(read_folder(p.unix(COMMON_DESKTOP)), DESKTOP)
            self.assertEqual(read_folder(p.unix(COMMON_GROUP)), group("7"))
            self.assertEqual(read_folder(user_folder(p, "Desktop")), {})
            self.assertFalse(os.path.exists(user_folder(p, START_MENU)))

    def test_only_the_chosen_shortcuts(self):
        with Prefix(windows="7") as p:
            self.install(p, "/group=0", "/desktop=0", "/thumbs=1")
            self.assertEqual(read_folder(user_folder(p, "Desktop")),
                             {"Pictomaze Thumbnails.lnk": DESKTOP["Pictomaze Thumbnails.lnk"]})
            self.assertFalse(os.path.exists(user_folder(p, START_MENU)))

    def test_previous_versions_leave_the_group(self):
        with Prefix(windows="7") as p:
            folder = user_folder(p, START_MENU)
            os.makedirs(folder)
            for name in ("Pictomaze 4.57.lnk", "Pictomaze 4.56.lnk", "Pictomaze 4.55.lnk", "Pictomaze 4.58.lnk"):
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(b"left by " + name.encode())
            self.install(p, "/group=1", "/desktop=1")
            names = set(os.listdir(folder))
            self.assertNotIn("Pictomaze 4.57.lnk", names)
            self.assertNotIn("Pictomaze 4.56.lnk", names)
            with open(os.path.join(folder, "Pictomaze 4.55.lnk"), "rb") as f:
                self.assertEqual(f.read(), b"left by Pictomaze 4.55.lnk")  # not ours to remove
            self.assertEqual(names - {"Pictomaze 4.55.lnk"}, set(group("7")))
            self.assertEqual(read_shortcut(os.path.join(folder, "Pictomaze 4.58.lnk")), link(EXE))


if __name__ == "__main__":
    unittest.main()
