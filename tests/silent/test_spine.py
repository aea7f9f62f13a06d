"""The silent install's refusals and failures, run on the real program."""
import glob
import os
import re
import subprocess
import time
import unittest

from rig import BUILD_DIR, Prefix

SEPARATOR = b"-" * 48 + b"\r\n"
ENTRY = re.compile(rb"^[^\r\n]+ - \d\d:\d\d:\d\d: ")


def entries(log):
    """The log's entries as message texts (the part after date and time)."""
    out = []
    for chunk in log.split(SEPARATOR):
        if chunk:
            m = ENTRY.match(chunk)
            assert m, chunk
            assert chunk.endswith(b"\r\n"), chunk
            out.append(chunk[m.end():-2].decode("latin-1"))
    return out


class SilentSpineTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = Prefix()
        cls.cwd = cls.prefix.unix("C:\\users\\Public")

    @classmethod
    def tearDownClass(cls):
        cls.prefix.close()

    def setUp(self):
        self.log = os.path.join(self.cwd, "Pictomaze_Install.log")
        if os.path.exists(self.log):
            os.remove(self.log)

    def read_log(self):
        with open(self.log, "rb") as f:
            return f.read()

    def test_empty_folder(self):
        self.assertEqual(self.prefix.run_setup("/silent", "/folder=", cwd=self.cwd), 5)
        self.assertEqual(entries(self.read_log()), ["Ungültiges Zielverzeichnis!: "])
        # A second failing run appends; the first entry stays.
        self.assertEqual(self.prefix.run_setup("/silent", "/folder=   ", cwd=self.cwd), 5)
        self.assertEqual(entries(self.read_log()), ["Ungültiges Zielverzeichnis!: "] * 2)

    def test_missing_drive(self):
        self.assertEqual(self.prefix.run_setup("/silent", "/folder=Q:\\Tools\\ Pictomaze ", cwd=self.cwd), 11)
        [entry] = entries(self.read_log())
        self.assertTrue(entry.startswith("Kann Zielverzeichnis nicht erstellen!\r\n\r\nBitte überprüfen"), entry)
        self.assertTrue(entry.endswith("händisch zu erstellen.: Q:\\Tools\\ Pictomaze\\"), entry)

    def test_folder_too_long_to_register(self):
        base = "C:\\" + "d" * 200 + "\\"
        for length, code in ((239, 0), (240, 5)):
            folder = base + "p" * (length - len(base))
            self.assertEqual(len(folder), length)
            self.assertEqual(self.prefix.run_setup("/silent", "/folder=" + folder, cwd=self.cwd), code, length)
            self.assertEqual(os.path.isdir(self.prefix.unix(folder)), code == 0, length)
        # with a trailing backslash one more character fits
        folder = base + "q" * (239 - len(base)) + "\\"
        self.assertEqual(len(folder), 240)
        self.assertEqual(self.prefix.run_setup("/silent", "/folder=" + folder, cwd=self.cwd), 0)
        self.assertEqual(entries(self.read_log()), ["Ungültiges Zielverzeichnis!: " + base + "p" * (240 - len(base))])

    def test_viewer_running(self):
        viewer = os.path.join(BUILD_DIR, "tests", "viewer_window.exe")
        self.assertTrue(os.path.exists(viewer), viewer)
        ready = os.path.join(self.cwd, "viewer.ready")
        proc = self.prefix.spawn(viewer, self.prefix.windows_of(ready))
        try:
            self.wait_for_file(ready)
            # the prefix is shared: an earlier test of this class may have installed and registered
            self.prefix.reg_delete(r"HKLM\SOFTWARE\Classes\Pictomaze")
            target = "C:\\Refused\\Pictomaze"
            self.assertEqual(self.prefix.run_setup("/silent", "/folder=" + target, "/group=1", cwd=self.cwd), 10)
            self.assertEqual(entries(self.read_log()),
                             ["Warnung: Pictomaze läuft!\r\nBeenden Sie bitte Pictomaze bevor Sie mit der "
                              "Installation fortsetzen!"])
            self.assertFalse(os.path.exists(self.prefix.unix(target)))
            self.assertIsNone(self.prefix.reg_values(r"HKLM\SOFTWARE\Classes\Pictomaze"))
        finally:
            proc.kill()
            self.prefix.wine("taskkill", "/f", "/im", "viewer_window.exe")
            os.remove(ready)

    def wait_for_file(self, path):
        for _ in range(600):
            if os.path.exists(path):
                return
            time.sleep(0.05)
        self.fail("viewer window did not open")

    def test_version_probes_follow_the_reported_version(self):
        exe = os.path.join(BUILD_DIR, "tests", "unit_tests.exe")
        for version, name in (("xp", "winxp"), ("7", "win7"), ("10", "win10")):
            self.prefix.reg_add(r"HKCU\Software\Wine\AppDefaults\unit_tests.exe", "Version", name)
            env = dict(self.prefix.env, PICTOMAZE_EXPECTED_WINDOWS=version)
            r = subprocess.run(["wine", exe, "--gtest_filter=WindowsVersionProbes.*"], env=env,
                               capture_output=True, stdin=subprocess.DEVNULL)
            self.assertEqual(r.returncode, 0, r.stdout.decode(errors="replace"))
            self.assertIn(b"[  PASSED  ] 1 test", r.stdout)


if __name__ == "__main__":
    unittest.main()
