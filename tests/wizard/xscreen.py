"""A private X screen for one run: Xvfb picks a free display number itself."""
import os
import subprocess

DEVNULL = subprocess.DEVNULL


class PrivateScreen:
    def __init__(self, geometry="1366x768x24"):
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", geometry, "-nolisten", "tcp"],
            pass_fds=[write_end], stdin=DEVNULL, stdout=DEVNULL, stderr=DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()  # written once the server accepts clients
        if not number:
            self.proc.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def close(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
