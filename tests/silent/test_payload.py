"""The real setup unpacks its payload: every entry with its stored time, the
temporary archive removed, and each way the unpacking can fail in practice
(a corrupt entry, a full disk, a read-only file, an installed icon library)."""
import calendar
import os
import shutil
import subprocess
import tempfile
import time
import unittest
import zipfile

import rig
from rig import BUILD_DIR, SETUP_EXE, Prefix

PAYLOAD_ZIP = os.path.join(BUILD_DIR, "payload.zip")
PAYLOAD_ICONS = os.path.join(BUILD_DIR, "payload", "Icons.dll")
VIEWER = os.path.join(BUILD_DIR, "payload", "p_maze32.exe")
ICON_FIXTURES = os.path.join(BUILD_DIR, "tests", "fixtures", "icons")
INSTALL_FAILED = "Fehler beim Installieren!".encode("latin-1")

# A time zone away from UTC and without summer time, so the local-to-UTC step shows.
TIME_ZONE = "Asia/Tokyo"
TIME_ZONE_OFFSET = 9 * 3600


def setUpModule():
    os.environ["TZ"] = TIME_ZONE


def payload_entries():
    with zipfile.ZipFile(PAYLOAD_ZIP) as z:
        return [(i.filename, i.date_time, z.read(i) if not i.is_dir() else None) for i in z.infolist()]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def temp_archives(prefix):
    """Leftover temporary archives anywhere on drive C:."""
    found = []
    for root, dirs, files in os.walk(prefix.unix("C:\\")):
        dirs[:] = [d for d in dirs if d != "windows"]
        found += [os.path.join(root, f) for f in files if f.lower() == "pmazeg_x32.zip"]
    return found


def logged(folder):
    path = os.path.join(folder, "Pictomaze_Install.log")
    return read(path) if os.path.exists(path) else b""


class PayloadTest(unittest.TestCase):
    def test_every_entry_arrives_with_its_stored_time(self):
        with Prefix() as p:
            self.assertEqual(p.run_setup("/silent", r"/folder=C:\Tools\Pictomaze", "/ini="), 0)
            target = p.unix(r"C:\Tools\Pictomaze")
            entries = payload_entries()
            self.assertEqual(len(entries), 38)
            self.assertEqual(sum(1 for e in entries if e[2] is None), 5)
            for name, date_time, data in entries:
                path = os.path.join(target, name.rstrip("/"))
                if data is None:
                    self.assertTrue(os.path.isdir(path), name)
                    continue
                self.assertEqual(read(path), data, name)
                # Stored as local time; the file system keeps UTC.
                expected = calendar.timegm(date_time) - TIME_ZONE_OFFSET
                self.assertEqual(int(os.stat(path).st_mtime), expected, name)
            self.assertEqual(temp_archives(p), [])

    def test_current_directory_is_the_target_afterwards(self):
        # A relative INI folder resolves against the current directory the
        # unpacking left behind: the target folder, not where the setup started.
        with Prefix() as p:
            start = p.unix(r"C:\users\Public")
            self.assertEqual(p.run_setup("/silent", r"/folder=C:\Tools\Rel", "/ini=Cfg", cwd=start), 0)
            settings = os.path.join(p.unix(r"C:\Tools\Rel"), "Cfg", "p_maze32.ini")
            self.assertTrue(os.path.isfile(settings))
            self.assertFalse(os.path.exists(os.path.join(start, "Cfg")))

    def test_wrong_crc_fails_with_message_7(self):
        exe = bytearray(read(SETUP_EXE))
        archive = read(PAYLOAD_ZIP)
        base = exe.find(archive)
        self.assertGreater(base, 0, "payload not found in the setup")
        _break_crc(exe, base, archive, "p_about.txt")
        with Prefix() as p:
            broken = os.path.join(p.unix("C:\\"), "PictomazeSetup.exe")
            with open(broken, "wb") as f:
                f.write(exe)
            r = p.wine(broken, "/silent", r"/folder=C:\Bad", "/ini=", cwd=p.unix("C:\\"))
            self.assertEqual(r.returncode, 7)
            target = p.unix(r"C:\Bad")
            self.assertIn(b"C:\\Bad\\: " + INSTALL_FAILED, logged(target))
            self.assertTrue(os.path.exists(os.path.join(target, "Toolbars", "Tavrin_16.png")))  # before it
            self.assertFalse(os.path.exists(os.path.join(target, "p_changes.txt")))  # after it
            self.assertFalse(os.path.exists(os.path.join(target, "p_maze32.ini")))
            self.assertEqual(temp_archives(p), [])

    @unittest.skipUnless(os.geteuid() == 0, "mounting a small disk needs root")
    def test_full_disk_fails_with_message_7(self):
        disk = tempfile.mkdtemp(prefix="disk-", dir=rig.SCRATCH)
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=128k", "tmpfs", disk],
                                 capture_output=True).returncode == 0
        if not mounted:
            os.rmdir(disk)
            self.skipTest("tmpfs cannot be mounted here")
        try:
            with Prefix() as p:
                p.map_drive("e", disk)
                self.assertEqual(p.run_setup("/silent", r"/folder=E:\Pictomaze", "/ini="), 7)
                target = os.path.join(disk, "Pictomaze")
                self.assertTrue(os.path.exists(os.path.join(target, "Help", "p_maze32_deutsch.chm")))
                self.assertLess(os.path.getsize(os.path.join(target, "Plugins", "Icons.dll")), 226816)
                self.assertFalse(os.path.exists(os.path.join(target, "p_maze32.exe")))
                self.assertFalse(os.path.exists(os.path.join(target, "p_maze32.ini")))
                # The log goes to the current directory, which is the full disk: it
                # holds the entry only when a last page was still free.
                log = logged(target)
                if log:
                    self.assertIn(b"E:\\Pictomaze\\: " + INSTALL_FAILED, log)
                self.assertEqual(temp_archives(p), [])
        finally:
            subprocess.run(["umount", disk])
            os.rmdir(disk)

    def test_read_only_files_are_kept(self):
        if shutil.which("chattr") is None:
            self.skipTest("chattr is missing")
        with Prefix() as p:
            target = p.unix("C:\\") + "/RO"
            os.makedirs(os.path.join(target, "Plugins"))
            kept = [os.path.join(target, "p_about.txt"), os.path.join(target, "Plugins", "Formats.dll")]
            for path in kept:
                with open(path, "wb") as f:
                    f.write(b"mine")
                os.chmod(path, 0o444)  # what Windows shows as read-only
                # The tests run as root, who may write anyway; the immutable flag
                # makes the file as unwritable as a read-only file is on Windows.
                if subprocess.run(["chattr", "+i", path], capture_output=True).returncode != 0:
                    self.skipTest("the file system has no immutable flag")
            try:
                self.assertEqual(p.run_setup("/silent", r"/folder=C:\RO", "/ini="), 0)
                for path in kept:
                    self.assertEqual(read(path), b"mine", path)
                self.assertTrue(os.path.exists(os.path.join(target, "p_changes.txt")))
                self.assertTrue(os.path.exists(os.path.join(target, "Plugins", "Effects.dll")))
                self.assertTrue(os.path.exists(os.path.join(target, "p_maze32.ini")))
            finally:
                for path in kept:
                    subprocess.run(["chattr", "-i", path])

    def test_installed_icon_library_stays_or_is_replaced(self):
        payload_library = read(PAYLOAD_ICONS)
        cases = [
            ("v420", True),             # older, by the publisher
            ("v431", False),            # newer
            ("v430_short", False),      # same version, another length
            ("v430_full", True),        # same version and length
            ("v430_full_lower", True),  # publisher in lower case
            ("v420_other", False),      # another publisher
            ("v420_nocompany", False),  # no company name at all
            (None, True),               # none installed
        ]
        with Prefix() as p:
            for name, replaced in cases:
                with self.subTest(fixture=name):
                    folder = "C:\\Icons\\%s" % (name or "none")
                    plugins = os.path.join(p.unix(folder), "Plugins")
                    os.makedirs(plugins)
                    installed = None
                    if name:
                        installed = read(os.path.join(ICON_FIXTURES, name + ".dll"))
                        with open(os.path.join(plugins, "Icons.dll"), "wb") as f:
                            f.write(installed)
                    self.assertEqual(p.run_setup("/silent", "/folder=" + folder, "/ini="), 0)
                    now = read(os.path.join(plugins, "Icons.dll"))
                    self.assertEqual(now, payload_library if replaced else installed)
                    self.assertTrue(os.path.exists(os.path.join(plugins, "Formats.dll")))

    def test_stand_in_viewer_counts_as_running(self):
        # The payload's viewer opens a window of the class the setup looks for.
        # The setup runs without pipes: while the viewer starts, Wine may start
        # its desktop process from the setup, which would inherit them.
        with Prefix() as p:
            viewer = p.spawn(VIEWER, r"C:\Bilder\Foto.jpg")
            try:
                for _ in range(100):
                    setup = p.spawn(SETUP_EXE, "/silent", r"/folder=C:\Probe", "/ini=", cwd=p.unix("C:\\"))
                    code = setup.wait(timeout=120)
                    if code == 10:
                        break
                    time.sleep(0.1)
                self.assertEqual(code, 10)
            finally:
                viewer.kill()
                viewer.wait()


def _break_crc(exe, base, archive, name):
    """Flips the CRC-32 of one entry inside the setup's embedded archive."""
    import io
    import struct
    with zipfile.ZipFile(io.BytesIO(archive)) as z:
        info = z.getinfo(name)
    wrong = struct.pack("<I", info.CRC ^ 0x5A5A5A5A)
    local = base + info.header_offset
    assert exe[local:local + 4] == b"PK\x03\x04"
    exe[local + 14:local + 18] = wrong
    central = exe.find(b"PK\x01\x02", base)
    while central >= 0:
        name_len = struct.unpack_from("<H", exe, central + 28)[0]
        if exe[central + 46:central + 46 + name_len] == name.encode():
            exe[central + 16:central + 20] = wrong
            return
        central = exe.find(b"PK\x01\x02", central + 4)
    raise AssertionError("central record of %s not found" % name)


if __name__ == "__main__":
    unittest.main()
