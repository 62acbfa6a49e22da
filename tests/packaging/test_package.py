"""What installing Nuvessa lays out, and what its packages hold: the Debian
package, and in the build for Windows the portable ZIP and the toolkit's
source archive beside it.

Run by CTest with NUVESSA_BUILD_DIR (a configured and built tree) and
NUVESSA_SOURCE_DIR in the environment.
"""

import filecmp
import glob
import gzip
import hashlib
import json
import os
import re
import pathlib
import subprocess
import sys
import tarfile
import tempfile
import unittest
import zipfile

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
    "share/doc/nuvessa/nuvessa.spdx.json",
}

# SPDX 2.3's published JSON schema; Debian 12 packages none, so it is looked
# for where the project's steering keeps shared material.
SPDX_SCHEMA = pathlib.Path(os.environ.get("NUVESSA_SPDX_SCHEMA", SOURCE.parent / "shared/spdx/spdx-schema-2.3.json"))


def run(*command, **options):
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(map(str, command))} failed ({result.returncode}):\n"
                             f"{result.stdout}\n{result.stderr}")
    return result.stdout


def pack(generator):
    """The build's package of one kind, made with cpack in a folder of its own."""
    folder = tempfile.TemporaryDirectory(prefix=f"nuvessa-{generator.lower().replace(';', '-')}-")
    run("cpack", "-G", generator, "--config", str(BUILD / "CPackConfig.cmake"), "-B", folder.name)
    return folder, pathlib.Path(folder.name)


def check_parts_list(test, folder, listed):
    """The package's SPDX list names every file it ships, with its true checksum,
    and nothing it does not ship; every part in it has a version, a licence and
    a supplier; and the list keeps to SPDX 2.3's schema."""
    document = json.loads((folder / listed).read_text())
    shipped = {p.relative_to(folder).as_posix() for p in folder.rglob("*")
               if p.is_file() and not p.is_symlink() and p.relative_to(folder).as_posix() != listed}
    checksums = {f["fileName"].removeprefix("./"): {c["algorithm"]: c["checksumValue"] for c in f["checksums"]}
                 for f in document["files"]}
    test.assertEqual(set(checksums), shipped)
    for name in shipped:
        test.assertEqual(checksums[name]["SHA256"], hashlib.sha256((folder / name).read_bytes()).hexdigest(), name)
    for part in document["packages"]:
        for field in ("versionInfo", "licenseDeclared", "supplier"):
            test.assertTrue(part.get(field), f"{part['name']} has no {field}")
    ids = {e["SPDXID"] for e in document["packages"] + document["files"]} | {"SPDXRef-DOCUMENT"}
    for relationship in document["relationships"]:
        test.assertLessEqual({relationship["spdxElementId"], relationship["relatedSpdxElement"]}, ids)
    if SPDX_SCHEMA.is_file():
        import jsonschema  # Debian's python3-jsonschema
        jsonschema.Draft7Validator(json.loads(SPDX_SCHEMA.read_text())).validate(document)
    else:
        print(f"SPDX 2.3's schema is not at {SPDX_SCHEMA}: the list was checked without it")
    return document


class InstallTree(unittest.TestCase):
    def test_layout_and_program_folder(self):
        with tempfile.TemporaryDirectory(prefix="nuvessa-install-") as prefix_text:
            prefix = pathlib.Path(prefix_text)
            run("cmake", "--install", str(BUILD), "--prefix", str(prefix))

            installed = {str(p.relative_to(prefix)) for p in prefix.rglob("*") if not p.is_dir()}
            # The package's parts list is written as it is packed.
            self.assertEqual(installed, EXPECTED_FILES - {"share/doc/nuvessa/nuvessa.spdx.json"})

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
        cls.out, out = pack("DEB")
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

    def test_parts_list(self):
        document = check_parts_list(self, self.root.parent, "usr/share/doc/nuvessa/nuvessa.spdx.json")
        versions = {p["name"]: p["versionInfo"] for p in document["packages"]}
        for package in ("libqt6core6", "libqt6widgets6", "libc6", "fonts-liberation2"):
            self.assertEqual(versions.get(package), run("dpkg-query", "-W", "-f=${Version}", package), package)


class WindowsPackages(unittest.TestCase):
    """The portable ZIP and the MSI as cpack makes them, and the toolkit's source archive."""

    @classmethod
    def setUpClass(cls):
        cls.out, out = pack("ZIP;External")
        cls.msi = next(out.glob("Nuvessa-*-x64.msi"))
        with zipfile.ZipFile(next(out.glob("Nuvessa-*-win64.zip"))) as archive:
            archive.extractall(out / "zip")
        cls.folder = next((out / "zip").iterdir())
        run("cmake", "--build", str(BUILD), "--target", "qt_source_archive")
        cls.source = next((BUILD / "packages").glob("*-source.tar"))

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def test_notices_name_every_program_and_library(self):
        notices = (self.folder / "NOTICES.txt").read_text(encoding="utf-8-sig")
        named = set(re.findall(r"[\w./+-]+\.(?:dll|exe)", " ".join(re.findall(r"^  In: +((?:.+\n {13}\S)*.+)$",
                                                                         notices.replace("\r", ""), re.M))))
        for binary in sorted(self.folder.rglob("*.[de][lx][le]")):
            self.assertIn(binary.relative_to(self.folder).as_posix(), named, "not named in the notices")
        for licence in set(re.findall(r"^  Licence: +(.+?)\r?$", notices, re.M)):
            for symbol in re.findall(r"[A-Za-z][\w.+-]*", licence):
                if symbol not in ("AND", "OR", "WITH"):
                    self.assertTrue((self.folder / "LICENSES" / f"{symbol}.txt").is_file(), symbol)
        self.assertIn(self.source.name, notices)
        document = check_parts_list(self, self.folder, "Nuvessa.spdx.json")
        # The reviewers' table of third-party parts is the one this list gives.
        sys.path.insert(0, str(SOURCE / "packaging"))
        from soup_table import table
        self.assertIn(table(document), (SOURCE / "docs/soup.md").read_text(), "docs/soup.md is out of date")

    def test_msi_holds_the_zips_folder(self):
        inside = pathlib.Path(self.out.name) / "msi"
        run("msiextract", "-C", str(inside), str(self.msi))
        folder = inside / "Nuvessa"
        files = {p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file()}
        self.assertEqual(files, {p.relative_to(self.folder).as_posix() for p in self.folder.rglob("*") if p.is_file()})
        for name in files - {"Nuvessa.spdx.json"}:
            self.assertEqual((folder / name).read_bytes(), (self.folder / name).read_bytes(), name)
        self.assertIn(f'"name": "{self.msi.name}"', (folder / "Nuvessa.spdx.json").read_text())
        check_parts_list(self, folder, "Nuvessa.spdx.json")

    def test_source_archive_is_the_source_built(self):
        with tarfile.open(self.source) as tar:
            files = {m.name.split("/", 1)[1]: tar.extractfile(m).read() for m in tar.getmembers() if m.isfile()}
        for line in files["SHA256SUMS"].decode().splitlines():
            value, name = line.split(None, 1)
            self.assertEqual(hashlib.sha256(files[name]).hexdigest(), value, name)
        self.assertTrue(any(n.endswith(".orig.tar.xz") for n in files) and any(n.endswith(".dsc") for n in files))
        patches = [n for n in files if n.startswith("recipe/qt-windows-patches/")]
        self.assertEqual(sorted(p.rsplit("/", 1)[1] for p in patches),
                         sorted(p.name for p in (SOURCE / "scripts/qt-windows-patches").glob("*.patch")))
        # Each file a patch changes says so, with the date of the change.
        for patch in patches:
            for changed in re.split(r"^--- ", files[patch].decode(), flags=re.M)[1:]:
                self.assertRegex(changed, r"\n\+.*Changed for Nuvessa on \d{4}-\d\d-\d\d", changed.split()[0])


if __name__ == "__main__":
    unittest.main()
