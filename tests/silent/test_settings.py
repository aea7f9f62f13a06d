"""The viewer's settings file as a real silent install leaves it: where it
lives, what it says, that it is UTF-16 with its header, and that the toolbar
skin follows the screen (an Xvfb of the wanted size, DPI from the registry)."""
import os
import subprocess
import tempfile
import time
import unittest

import rig
from rig import Prefix

HEADER = "; UNICODE FILE - edit with care ;-)\r\n"
DEFAULT_FOLDER = r"C:\Program Files (x86)\Pictomaze"


def read_ini(path):
    """(raw bytes, {section: {key: value}}) of a settings file, UTF-16 or 8-bit."""
    with open(path, "rb") as f:
        raw = f.read()
    text = raw[2:].decode("utf-16-le") if raw[:2] == b"\xff\xfe" else raw.decode("latin-1")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif "=" in line and current is not None and not line.startswith(";"):
            key, value = line.split("=", 1)
            current[key] = value
    return raw, sections


def app_data(prefix):
    r = prefix.wine("cmd", "/c", "echo %APPDATA%")
    return prefix.unix(r.stdout.decode().strip())


class Xvfb:
    """A private X screen of the given geometry on a free display."""

    def __init__(self, geometry):
        self.proc = None
        for n in range(150, 400):
            if os.path.exists("/tmp/.X11-unix/X%d" % n) or os.path.exists("/tmp/.X%d-lock" % n):
                continue
            proc = subprocess.Popen(["Xvfb", ":%d" % n, "-screen", "0", geometry, "-nolisten", "tcp"],
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            for _ in range(50):
                if proc.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % n):
                    break
                time.sleep(0.1)
            if proc.poll() is None and os.path.exists("/tmp/.X11-unix/X%d" % n):
                self.proc, self.display = proc, ":%d" % n
                return
            proc.kill()
            proc.wait()
        raise RuntimeError("no free display for Xvfb")

    def close(self):
        if self.proc:
            self.proc.terminate()
            self.proc.wait()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def prefix_on(display):
    saved = os.environ.get("DISPLAY")
    os.environ["DISPLAY"] = display
    try:
        return Prefix()
    finally:
        if saved is None:
            del os.environ["DISPLAY"]
        else:
            os.environ["DISPLAY"] = saved


class SettingsFileTest(unittest.TestCase):
    def assert_converted(self, raw):
        self.assertEqual(raw[:2], b"\xff\xfe")
        text = raw[2:].decode("utf-16-le")
        self.assertTrue(text.startswith(HEADER), text[:80])
        self.assertEqual(text.count(HEADER), 1)

    def test_default_folder_keeps_settings_in_application_data(self):
        # With no earlier installation the default INI folder comes from the
        # command line's defaults; an empty "/ini=" meets the same default in
        # the settings step itself.
        for args in ([], ["/ini="]):
            with self.subTest(args=args), Prefix() as p:
                self.assertEqual(p.run_setup("/silent", *args), 0)
                program_file = os.path.join(p.unix(DEFAULT_FOLDER), "p_maze32.ini")
                final_file = os.path.join(app_data(p), "Pictomaze", "p_maze32.ini")
                raw, ini = read_ini(program_file)
                self.assertEqual(ini, {"Others": {"INI_Folder": r"%APPDATA%\Pictomaze"}})
                self.assertNotEqual(raw[:2], b"\xff\xfe")  # only the final file is converted
                raw, ini = read_ini(final_file)
                self.assert_converted(raw)
                self.assertEqual(ini["Language"], {"DLL": "DEUTSCH.DLL", "Lang": "Deutsch"})
                self.assertIn("Skin", ini["Toolbar"])

    def test_other_folder_keeps_settings_in_the_program_folder(self):
        with Prefix() as p:
            self.assertEqual(p.run_setup("/silent", r"/folder=C:\Tools\PM", "/ini="), 0)
            raw, ini = read_ini(os.path.join(p.unix(r"C:\Tools\PM"), "p_maze32.ini"))
            self.assert_converted(raw)
            self.assertNotIn("Others", ini)
            self.assertEqual(ini["Language"], {"DLL": "DEUTSCH.DLL", "Lang": "Deutsch"})
            self.assertFalse(os.path.exists(os.path.join(app_data(p), "Pictomaze")))

    def test_existing_file_keeps_sections_and_skin_and_converts_once(self):
        with Prefix() as p:
            folder = p.unix(r"C:\Tools\Again")
            os.makedirs(folder)
            path = os.path.join(folder, "p_maze32.ini")
            with open(path, "wb") as f:
                f.write(b"[Others]\r\nINI_Folder=D:\\Old\r\nRecent=C:\\Bilder\\Gr\xf6\xdfe.jpg\r\n"
                        b"[Toolbar]\r\nSkin=Custom.png\r\nSize=99\r\n[Language]\r\nLang=English\r\n"
                        b"[Viewer]\r\nZoom=3\r\n")
            self.assertEqual(p.run_setup("/silent", r"/folder=C:\Tools\Again", "/ini="), 0)
            first, ini = read_ini(path)
            self.assert_converted(first)
            self.assertEqual(ini["Toolbar"], {"Skin": "Custom.png", "Size": "99"})
            self.assertEqual(ini["Viewer"], {"Zoom": "3"})
            self.assertEqual(ini["Others"], {"Recent": "C:\\Bilder\\Gr\u00f6\u00dfe.jpg"})
            self.assertEqual(ini["Language"]["Lang"], "Deutsch")

            # A second install finds the file in UTF-16 already: same content, one header.
            self.assertEqual(p.run_setup("/silent", r"/folder=C:\Tools\Again", "/ini="), 0)
            second, again = read_ini(path)
            self.assert_converted(second)
            self.assertEqual(again, ini)

    @unittest.skipUnless(os.geteuid() == 0, "mounting a small disk needs root")
    def test_full_disk_leaves_the_settings_in_8_bit(self):
        # The INI folder is on a disk with one free page: the settings fit, their
        # UTF-16 copy does not. A short copy must never replace the settings.
        disk = tempfile.mkdtemp(prefix="disk-", dir=rig.SCRATCH)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", disk],
                          capture_output=True).returncode != 0:
            os.rmdir(disk)
            self.skipTest("tmpfs cannot be mounted here")
        try:
            os.makedirs(os.path.join(disk, "Cfg"))
            with open(os.path.join(disk, "filler"), "wb") as f:
                f.write(b"\0" * (60 << 10))
            with Prefix() as p:
                p.map_drive("e", disk)
                self.assertEqual(p.run_setup("/silent", r"/folder=C:\Tools\Full", r"/ini=E:\Cfg"), 0)
                raw, ini = read_ini(os.path.join(disk, "Cfg", "p_maze32.ini"))
                self.assertNotEqual(raw[:2], b"\xff\xfe")
                self.assertEqual(ini["Language"], {"DLL": "DEUTSCH.DLL", "Lang": "Deutsch"})
                self.assertIn("Skin", ini["Toolbar"])
                self.assertFalse(os.path.exists(os.path.join(disk, "Cfg", "p_maze32.ini_temp")))
        finally:
            subprocess.run(["umount", disk])
            os.rmdir(disk)

    def test_skin_follows_the_screen(self):
        cases = [
            ("1366x768x24", 96, "Tavrin_16.png", "16"),
            ("1920x1080x24", 96, "Kelmoran_24.png", "24"),
            ("1920x1080x24", 144, "gnome-colors-wise_32.png", "32"),
            ("1920x1080x24", 168, "gnome-colors-human_48.png", "48"),
        ]
        for geometry, dpi, skin, size in cases:
            with self.subTest(geometry=geometry, dpi=dpi), Xvfb(geometry) as x, prefix_on(x.display) as p:
                p.reg_add(r"HKCU\Control Panel\Desktop", "LogPixels", dpi, "REG_DWORD")
                self.assertEqual(p.run_setup("/silent", r"/folder=C:\Skin", "/ini="), 0)
                _, ini = read_ini(os.path.join(p.unix(r"C:\Skin"), "p_maze32.ini"))
                self.assertEqual(ini["Toolbar"], {"Skin": skin, "Size": size})


if __name__ == "__main__":
    unittest.main()
