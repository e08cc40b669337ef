#!/usr/bin/env python3
"""The installed layout: `cmake --install` of the build folder into a
throw-away prefix, then what a desktop and a Debian system expect there.

    install_layout.py <cmake> <build folder> <version> <application id>

The desktop entry and the AppStream data are also run through
desktop-file-validate and appstreamcli where those are installed. No network,
no root; a few seconds.
"""
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

CMAKE, BUILD, VERSION, APP_ID = sys.argv[1:5] if len(sys.argv) >= 5 else (None,) * 4
ICON_SIZES = (48, 64, 128, 256)


def files_under(root):
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root))
    return found


def png_header(path):
    """(width, height, colour type) from the IHDR chunk."""
    with open(path, "rb") as f:
        head = f.read(26)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    width, height = struct.unpack(">II", head[16:24])
    return width, height, head[25]


class InstalledLayout(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = os.path.join(BUILD, "Data")
        # The build's own settings file must stay behind; make sure there is
        # one to leave behind.
        settings = os.path.join(cls.data, "data.ini")
        planted = not os.path.exists(settings)
        if planted:
            with open(settings, "w") as f:
                f.write("[DaneProgramu]\n")
        cls.prefix = tempfile.mkdtemp(prefix="fonikra-install-")
        try:
            run = subprocess.run([CMAKE, "--install", BUILD, "--prefix", cls.prefix],
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        finally:
            if planted:
                os.remove(settings)
        if run.returncode != 0:
            shutil.rmtree(cls.prefix)
            raise AssertionError("cmake --install failed:\n" + run.stdout)
        cls.share = os.path.join(cls.prefix, "share")
        cls.installed = files_under(cls.prefix)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.prefix, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.prefix, *parts)

    def validate(self, tool, *args):
        if shutil.which(tool) is None:
            print("%s is not installed: not validated" % tool)
            return
        run = subprocess.run([tool, *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.assertEqual(run.returncode, 0, run.stdout)

    def test_program_in_bin(self):
        self.assertTrue(os.access(self.path("bin", "MiniFonikra"), os.X_OK))

    def test_content_is_the_build_content_without_settings(self):
        content = files_under(os.path.join(self.share, "minifonikra", "Data"))
        expected = files_under(self.data) - {"data.ini", ".stamp"}
        self.assertIn("manual.html", content)
        self.assertIn("LICENSE-icons.txt", content)
        self.assertEqual(content, expected)
        self.assertFalse([p for p in self.installed if os.path.basename(p) == "data.ini"])

    def test_only_the_usual_folders(self):
        allowed = ("bin/MiniFonikra", "share/minifonikra/", "share/applications/", "share/metainfo/",
                   "share/icons/hicolor/", "share/doc/minifonikra/", "share/man/man6/")
        strays = [p for p in self.installed if not p.startswith(allowed)]
        self.assertEqual(strays, [])

    def test_icon_at_every_size(self):
        apps = os.path.join(self.share, "icons", "hicolor", "%s", "apps", APP_ID)
        svg = ET.parse(apps % "scalable" + ".svg").getroot()
        self.assertEqual(svg.tag, "{http://www.w3.org/2000/svg}svg")
        for size in ICON_SIZES:
            with self.subTest(size=size):
                # Colour type 6: RGBA, so the corners stay transparent.
                self.assertEqual(png_header(apps % ("%dx%d" % (size, size)) + ".png"), (size, size, 6))

    def test_desktop_entry(self):
        entry = os.path.join(self.share, "applications", APP_ID + ".desktop")
        with open(entry, encoding="utf-8") as f:
            lines = f.read().splitlines()
        self.assertIn("Exec=MiniFonikra", lines)
        self.assertIn("Icon=" + APP_ID, lines)
        self.validate("desktop-file-validate", entry)

    def test_metainfo(self):
        metainfo = os.path.join(self.share, "metainfo", APP_ID + ".metainfo.xml")
        root = ET.parse(metainfo).getroot()
        self.assertEqual(root.findtext("id"), APP_ID)
        self.assertEqual(root.findtext("launchable"), APP_ID + ".desktop")
        self.assertEqual(root.findtext("provides/binary"), "MiniFonikra")
        self.assertEqual(root.find("releases/release").get("version"), VERSION)
        self.validate("appstreamcli", "validate", "--no-net", metainfo)

    def test_documents(self):
        doc = os.path.join(self.share, "doc", "minifonikra")
        for name in ("copyright", "LICENSE", "LICENSE-icons.txt"):
            with self.subTest(name=name):
                self.assertTrue(os.path.isfile(os.path.join(doc, name)))
        with gzip.open(os.path.join(doc, "changelog.gz"), "rt", encoding="utf-8") as f:
            self.assertTrue(f.readline().startswith("minifonikra (%s) " % VERSION))
        with gzip.open(self.path("share", "man", "man6", "MiniFonikra.6.gz"), "rt", encoding="utf-8") as f:
            self.assertIn(".TH MINIFONIKRA 6", f.read())


if __name__ == "__main__":
    if CMAKE is None:
        sys.exit(__doc__)
    unittest.main(argv=[sys.argv[0]], verbosity=2)
