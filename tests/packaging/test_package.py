"""What installing Nuvessa lays out, and what its Debian package holds.

Run by CTest with NUVESSA_BUILD_DIR (a configured and built tree) and
NUVESSA_SOURCE_DIR in the environment.
"""

import filecmp
import glob
import gzip
import os
import pathlib
import subprocess
import tempfile
import unittest

BUILD = pathlib.Path(os.environ.get("NUVESSA_BUILD_DIR", "build/default")).resolve()
SOURCE = pathlib.Path(os.environ.get("NUVESSA_SOURCE_DIR", ".")).resolve()
APP_ID = "org.nuvessa.Nuvessa"

# Every file the package installs, relative to the prefix; nothing more, nothing less.
EXPECTED_FILES = {
    "bin/nuvessa",
    "lib/nuvessa/nuvessa",
    "lib/nuvessa/Ut1.jpg",
    "lib/nuvessa/UT2.jpg",
    f"share/applications/{APP_ID}.desktop",
    f"share/icons/hicolor/16x16/apps/{APP_ID}.png",
    f"share/icons/hicolor/32x32/apps/{APP_ID}.png",
    f"share/icons/hicolor/48x48/apps/{APP_ID}.png",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    "share/doc/nuvessa/copyright",
    "share/doc/nuvessa/changelog.gz",
    "share/man/man1/nuvessa.1.gz",
}


def run(*command, **options):
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(map(str, command))} failed ({result.returncode}):\n"
                             f"{result.stdout}\n{result.stderr}")
    return result.stdout


class InstallTree(unittest.TestCase):
    def test_layout_and_program_folder(self):
        with tempfile.TemporaryDirectory(prefix="nuvessa-install-") as prefix_text:
            prefix = pathlib.Path(prefix_text)
            run("cmake", "--install", str(BUILD), "--prefix", str(prefix))

            installed = {str(p.relative_to(prefix)) for p in prefix.rglob("*") if not p.is_dir()}
            self.assertEqual(installed, EXPECTED_FILES)

            # bin/nuvessa leads to the program in its own folder, by a relative link,
            # so that the folder it resolves to holds the pictures.
            link = prefix / "bin" / "nuvessa"
            self.assertTrue(link.is_symlink(), "bin/nuvessa is not a symbolic link")
            self.assertEqual(os.readlink(link), "../lib/nuvessa/nuvessa")
            program = link.resolve()
            self.assertEqual(program, (prefix / "lib/nuvessa/nuvessa").resolve())
            self.assertTrue(os.access(program, os.X_OK), "the program is not executable")
            for picture in ("Ut1.jpg", "UT2.jpg"):
                self.assertTrue(filecmp.cmp(program.parent / picture, SOURCE / "assets" / picture, shallow=False),
                                f"{picture} beside the program differs from assets/{picture}")

            # Each icon size is the drawn one, under the name the desktop entry asks for.
            for size in (16, 32, 48):
                self.assertTrue(filecmp.cmp(prefix / f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png",
                                            SOURCE / f"assets/icons/nuvessa-{size}.png", shallow=False))
            desktop = (prefix / f"share/applications/{APP_ID}.desktop").read_text()
            self.assertIn(f"\nIcon={APP_ID}\n", desktop)
            self.assertIn("\nExec=nuvessa\n", desktop)

            metainfo = (prefix / f"share/metainfo/{APP_ID}.metainfo.xml").read_text()
            self.assertNotIn("@", metainfo.replace("@ONLY", ""), "a placeholder was left unfilled")
            self.assertIn("<internet>offline-only</internet>", metainfo)
            self.assertIn(f"<launchable type=\"desktop-id\">{APP_ID}.desktop</launchable>", metainfo)
            for shot in ("main-window", "question-screen", "message-box", "help", "about"):
                self.assertIn(f"/{shot}.png</image>", metainfo)
                self.assertTrue((SOURCE / "docs/screenshots" / f"{shot}.png").is_file(),
                                f"docs/screenshots/{shot}.png is missing")


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.TemporaryDirectory(prefix="nuvessa-deb-")
        out = pathlib.Path(cls.out.name)
        run("cpack", "-G", "DEB", "--config", str(BUILD / "CPackConfig.cmake"), "-B", str(out))
        cls.packages = glob.glob(str(out / "nuvessa_*.deb"))
        if len(cls.packages) == 1:
            run("dpkg-deb", "-x", cls.packages[0], str(out / "root"))
        cls.root = out / "root/usr"

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def test_contents_and_dependencies(self):
        self.assertEqual(len(self.packages), 1, f"expected one package, found {self.packages}")
        package = self.packages[0]

        listing = run("dpkg-deb", "-c", package).splitlines()
        files, links = set(), {}
        for line in listing:
            fields = line.split(None, 5)
            mode, name = fields[0], fields[5]
            if mode.startswith("d"):
                continue
            if mode.startswith("l"):
                name, target = name.split(" -> ")
                links[name] = target
            self.assertTrue(name.startswith("./usr/"), f"{name} installs outside /usr")
            files.add(name[len("./usr/"):])
        self.assertEqual(files, EXPECTED_FILES)
        self.assertEqual(links, {"./usr/bin/nuvessa": "../lib/nuvessa/nuvessa"})

        self.assertEqual(run("dpkg-deb", "-f", package, "Package").strip(), "nuvessa")
        self.assertEqual(run("dpkg-deb", "-f", package, "Version").strip(), "1.0")
        depends = [d.strip().split()[0] for d in run("dpkg-deb", "-f", package, "Depends").split(",")]
        # Worked out from the program's libraries, plus the fonts added by hand.
        for needed in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                       "fonts-liberation2"):
            self.assertIn(needed, depends)

    def test_lintian_finds_no_error_or_warning(self):
        result = subprocess.run(["lintian", "--tag-display-limit", "0", "--fail-on", "error,warning",
                                 *self.packages], capture_output=True, text=True)
        faults = [line for line in result.stdout.splitlines() if line.startswith(("E:", "W:"))]
        self.assertEqual(faults, [], "\n" + result.stdout + result.stderr)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_notices_come_from_the_records(self):
        from debian.copyright import Copyright  # Debian's own reader of the format
        text = (self.root / "share/doc/nuvessa/copyright").read_text()
        record = Copyright(text.splitlines(True), strict=True)
        self.assertNotIn(str(SOURCE), text)
        licences = {p.license.synopsis: p.license.text for p in record.all_license_paragraphs()}
        # Qt comes from Debian's own packages, with their own notices; the
        # project's changes to Qt's source are not in this package.
        self.assertEqual(set(licences), {"LicenseRef-Nuvessa-Proprietary", "CC0-1.0"})
        self.assertEqual(licences["LicenseRef-Nuvessa-Proprietary"],
                         (SOURCE / "LICENSES/LicenseRef-Nuvessa-Proprietary.txt").read_text().strip())
        self.assertIn("/usr/share/common-licenses/CC0-1.0", licences["CC0-1.0"])
        for source, licence in (("app/root/main.cpp", "LicenseRef-Nuvessa-Proprietary"),
                                (f"packaging/{APP_ID}.metainfo.xml.in", "CC0-1.0")):
            self.assertEqual(record.find_files_paragraph(source).license.synopsis, licence, source)

        for installed, source in (("doc/nuvessa/changelog.gz", "changelog"), ("man/man1/nuvessa.1.gz", "nuvessa.1")):
            packed = (self.root / "share" / installed).read_bytes()
            # No file name (flag 0x08) and no time in the header: the same bytes from every build.
            self.assertEqual((packed[3] & 0x08, packed[4:8]), (0, bytes(4)), installed)
            self.assertEqual(gzip.decompress(packed), (SOURCE / "packaging/debian" / source).read_bytes())


if __name__ == "__main__":
    unittest.main()
