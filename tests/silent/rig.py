"""Throwaway Wine prefixes for running the real setup program.

Each Prefix is a clone of the build's template prefix with a wineserver of its
own. Registry checks go through Wine's own `reg`, shortcut checks through
`lnkinfo`, so the tests see what Windows programs would see.
"""
import os
import re
import shutil
import subprocess
import tempfile
import uuid

BUILD_DIR = os.environ.get("BUILD_DIR") or os.path.abspath(os.path.join(os.path.dirname(__file__), "../../build"))
SETUP_EXE = os.environ.get("SETUP_EXE") or os.path.join(BUILD_DIR, "PictomazeSetup.exe")
TEMPLATE = os.path.join(BUILD_DIR, "prefixes", "template")
SCRATCH = os.path.join(BUILD_DIR, "prefixes", "scratch")
DEVNULL = subprocess.DEVNULL

VERSIONS = {"xp": "winxp", "7": "win7", "10": "win10"}


class Prefix:
    """A cloned Wine prefix; use as a context manager."""

    def __init__(self, windows=None, locale=None):
        os.makedirs(SCRATCH, exist_ok=True)
        self.path = tempfile.mkdtemp(prefix="p-", dir=SCRATCH)
        self._clone()
        # winemenubuilder would mirror shortcuts and associations into the real $HOME.
        self.env = dict(os.environ, WINEPREFIX=self.path, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        if locale:
            self.env["LC_ALL"] = locale
        self._start()
        if windows:
            self.set_windows(windows)

    def _clone(self):
        shutil.rmtree(self.path)
        os.makedirs(os.path.join(self.path, "drive_c", "windows"))
        for name in os.listdir(TEMPLATE):
            if name != "drive_c":
                _copy(os.path.join(TEMPLATE, name), os.path.join(self.path, name))
        for name in os.listdir(os.path.join(TEMPLATE, "drive_c")):
            if name != "windows":
                _copy(os.path.join(TEMPLATE, "drive_c", name), os.path.join(self.path, "drive_c", name))
        win = os.path.join(TEMPLATE, "drive_c", "windows")
        for name in os.listdir(win):
            src = os.path.join(win, name)
            dst = os.path.join(self.path, "drive_c", "windows", name)
            if name in ("system32", "syswow64", "winsxs"):
                subprocess.run(["cp", "-al", src, dst], check=True)  # DLLs: shared, never rewritten
            else:
                _copy(src, dst)
        _detach_user_folders(self.path)

    def _start(self):
        subprocess.run(["wineserver", "-p"], env=self.env, stdin=DEVNULL, stdout=DEVNULL, stderr=DEVNULL)
        subprocess.run(["wine", "wineboot"], env=self.env, stdin=DEVNULL, stdout=DEVNULL, stderr=DEVNULL)

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stdin=DEVNULL, stdout=DEVNULL, stderr=DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stdin=DEVNULL, stdout=DEVNULL, stderr=DEVNULL)
        if not os.environ.get("KEEP_PREFIXES"):
            shutil.rmtree(self.path, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- running programs -------------------------------------------------
    def wine(self, *args, cwd=None, timeout=300, check=False):
        return subprocess.run(["wine", *args], env=self.env, cwd=cwd, stdin=DEVNULL,
                              capture_output=True, timeout=timeout, check=check)

    def run_setup(self, *args, cwd=None, timeout=300):
        """Runs PictomazeSetup.exe with the given arguments; returns its exit code."""
        cwd = cwd or self.unix("C:\\")
        return self.wine(SETUP_EXE, *args, cwd=cwd, timeout=timeout).returncode

    def spawn(self, *args, cwd=None):
        return subprocess.Popen(["wine", *args], env=self.env, cwd=cwd, stdin=DEVNULL,
                                stdout=DEVNULL, stderr=DEVNULL)

    # --- paths --------------------------------------------------------------
    def unix(self, windows_path):
        """Unix path of a Windows path on drive C: of this prefix."""
        m = re.match(r"^([A-Za-z]):\\?(.*)$", windows_path)
        assert m, windows_path
        drive = os.path.realpath(os.path.join(self.path, "dosdevices", m.group(1).lower() + ":"))
        rest = m.group(2).replace("\\", "/")
        return os.path.join(drive, rest) if rest else drive

    def map_drive(self, letter, unix_dir):
        link = os.path.join(self.path, "dosdevices", letter.lower() + ":")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(unix_dir, link)

    # --- registry -----------------------------------------------------------
    def set_windows(self, version):
        """Reported Windows version of the setup: 'xp', '7' or '10'."""
        self.reg_add(r"HKCU\Software\Wine\AppDefaults\PictomazeSetup.exe", "Version", VERSIONS[version])

    def reg_add(self, key, name=None, data="", kind="REG_SZ"):
        args = ["reg", "add", key, "/f"]
        args += ["/v", name] if name is not None else ["/ve"]
        args += ["/t", kind, "/d", str(data)]
        r = self.wine(*args)
        assert r.returncode == 0, r.stderr

    def reg_delete(self, key):
        self.wine("reg", "delete", key, "/f")

    def reg_values(self, key, view64=False):
        """{name: (type, data)} of a key (name '' for the default), or None when missing.

        HKLM paths are read in the 32-bit view, which is what the setup sees."""
        args = ["reg", "query", key]
        if not view64:
            args.append("/reg:32")
        r = self.wine(*args)
        if r.returncode != 0:
            return None
        values = {}
        for line in r.stdout.decode("utf-8", "replace").splitlines():
            m = re.match(r"^    (.*?)    (REG_[A-Z_]+)    ?(.*)$", line)
            if m:
                name = "" if m.group(1) == "(Default)" else m.group(1)
                values[name] = (m.group(2), m.group(3))
        return values

    def reg_value(self, key, name=""):
        values = self.reg_values(key)
        if values is None or name not in values:
            return None
        return values[name][1]

    def reg_export(self, key):
        """Text of `reg export` of a key (UTF-16 file decoded), or '' when missing."""
        out = os.path.join(self.path, "export-%s.reg" % uuid.uuid4().hex)
        r = self.wine("reg", "export", key, self.windows_of(out), "/y")
        if r.returncode != 0 or not os.path.exists(out):
            return ""
        with open(out, "rb") as f:
            data = f.read()
        os.remove(out)
        return data.decode("utf-16") if data[:2] == b"\xff\xfe" else data.decode("latin-1")

    def windows_of(self, unix_path):
        return "Z:" + unix_path.replace("/", "\\")


def _copy(src, dst):
    if os.path.isdir(src) and not os.path.islink(src):
        shutil.copytree(src, dst, symlinks=True)
    else:
        shutil.copy2(src, dst, follow_symlinks=False)


def _detach_user_folders(prefix):
    """Wine links the user's shell folders (Desktop, Documents, ...) to $HOME;
    a throwaway prefix gets real folders so that nothing lands outside it."""
    users = os.path.join(prefix, "drive_c", "users")
    for user in os.listdir(users):
        for name in os.listdir(os.path.join(users, user)):
            path = os.path.join(users, user, name)
            if os.path.islink(path):
                os.remove(path)
                os.mkdir(path)


def read_log(path):
    with open(path, "rb") as f:
        return f.read()
