import os
import unittest

from rig import Prefix


class SmokeTest(unittest.TestCase):
    def test_empty_folder_exits_5(self):
        with Prefix() as p:
            self.assertEqual(p.run_setup("/silent", "/folder="), 5)
            log = open(os.path.join(p.unix("C:\\"), "Pictomaze_Install.log"), "rb").read()
            self.assertIn("Ungültiges Zielverzeichnis!: \r\n".encode("latin-1"), log)


if __name__ == "__main__":
    unittest.main()
