#!/usr/bin/env python3
"""Writes the toolkit's corresponding source, as built for the Windows
packages, into one tar archive: Debian's source package as fetched (its
original source and Debian's patches), the project's own patches, and the
script and exact options the libraries were built with. Every file is checked
against the checksums recorded when the toolkit was built, and the Debian
files against Debian's own source description as well.

    make_source_archive.py QT_RECORDS_DIR ARCHIVE
"""

import hashlib
import io
import os
import pathlib
import sys
import tarfile

from debian.deb822 import Dsc

README = """\
The toolkit inside {package}: complete corresponding source
{rule}

This archive holds the complete source of the Qt libraries and plug-ins shipped
with {package}, as they were built:

  debian-source/  Debian's source package {debian}: Qt's original source and
                  Debian's patches to it.
  recipe/qt-windows-patches/
                  the changes Nuvessa's makers made to Qt's source, applied
                  over Debian's; each changed file says so, with the date.
  recipe/build-qt-windows, recipe/mingw-w64-x86_64.cmake, recipe/packages.sh
                  the script that built the libraries, its compiler settings
                  and the Debian 12 packages it builds with.
  build-options.txt
                  the exact compiler and configure options used.
  SHA256SUMS      the checksums of all of the above.

To build the libraries again on Debian 12, with the packages that
recipe/packages.sh names for the Windows build installed:

  dpkg-source -x debian-source/*.dsc source
  for p in recipe/qt-windows-patches/*.patch; do patch -d source -p1 <"$p"; done
  cmake -S source -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE=recipe/mingw-w64-x86_64.cmake \\
        -DCMAKE_INSTALL_PREFIX=qt <the options in build-options.txt>
  cmake --build build && cmake --install build

The DLLs in qt/bin and qt/plugins then take the place of those beside
nuvessa.exe (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms, imageformats,
styles). You may change them and use Nuvessa with your changed versions.
"""


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def check(records):
    recorded = {}
    for line in (records / "SHA256SUMS").read_text().splitlines():
        value, name = line.split(None, 1)
        recorded[name] = value
    for name, value in recorded.items():
        if sha256(records / name) != value:
            sys.exit(f"{name} is no longer the file the toolkit was built from")
    dscs = list((records / "debian-source").glob("*.dsc"))
    if len(dscs) != 1:
        sys.exit("the toolkit's records hold no single Debian source description")
    dsc = Dsc(dscs[0].read_text())
    for entry in dsc["Checksums-Sha256"]:
        if sha256(records / "debian-source" / entry["name"]) != entry["sha256"]:
            sys.exit(f"{entry['name']} does not match Debian's source description")
    return sorted(recorded), f"{dsc['Source']} {dsc['Version']}"


def main():
    records, archive = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    names, debian = check(records)
    top = archive.name.removesuffix(".tar")
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    package = top.removesuffix("-source").replace("-qt-", ", Qt ")
    readme = README.format(package=package, rule="=" * (len(package) + 48), debian=debian).encode()

    def add(tar, name, data=None, path=None):
        info = tarfile.TarInfo(f"{top}/{name}")
        data = data if data is not None else path.read_bytes()
        info.size, info.mtime = len(data), epoch
        info.mode = 0o755 if path is not None and os.access(path, os.X_OK) else 0o644
        info.uid = info.gid = 0
        info.uname = info.gname = ""
        tar.addfile(info, io.BytesIO(data))

    archive.parent.mkdir(parents=True, exist_ok=True)
    partial = archive.with_suffix(".partial")
    with tarfile.open(partial, "w", format=tarfile.GNU_FORMAT) as tar:
        add(tar, "README.txt", readme)
        add(tar, "SHA256SUMS", path=records / "SHA256SUMS")
        for name in names:
            add(tar, name, path=records / name)
    partial.replace(archive)


if __name__ == "__main__":
    main()
