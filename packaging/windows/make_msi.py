#!/usr/bin/env python3
"""Makes Nuvessa's MSI from the packed folder, with Debian's wixl.

The MSI installs the packed folder as it is, for all users, under Program
Files (or the folder INSTALLDIR names), with the Start menu entry "Nuvessa"
and the program's icon in "Apps & features". There is nothing to modify or
repair, and it never asks for a restart. One upgrade code for all time and a
product code for each version let a newer MSI replace an older one, and keep
an older one from replacing a newer.

Every identifier comes from the version and the files, and the package's
summary takes its time from SOURCE_DATE_EPOCH, so that the same folder gives
the same bytes; each file keeps its component's identifier from version to
version, as Windows Installer's rules ask.
"""

import argparse
import hashlib
import os
import pathlib
import re
import struct
import subprocess
import uuid

import olefile
from xml.sax.saxutils import quoteattr

UPGRADE_CODE = uuid.UUID("29C7510F-49E5-43BA-B16C-E5A8306F3FB9")
PROGRAM = "nuvessa.exe"


def guid(*words):
    return "{%s}" % str(uuid.uuid5(UPGRADE_CODE, " ".join(words))).upper()


def identifier(kind, relative):
    """A Windows Installer identifier (at most 72 characters) that names the file."""
    readable = re.sub(r"[^A-Za-z0-9_.]", "_", relative)[-40:]
    return f"{kind}_{hashlib.sha1(relative.encode()).hexdigest()[:12]}_{readable}"


def component(path, relative, icon, base):
    # wixl takes only paths relative to the folder it runs in: the source's own.
    source = quoteattr(os.path.relpath(path, base))
    file = identifier("f", relative)
    shortcut = ""
    if relative == PROGRAM:
        # The Start menu entry starts the program itself (not an advertised entry, which Windows
        # Installer would check and repair), in its own folder, where it finds its pictures.
        shortcut = (f'          <Shortcut Id="StartMenuEntry" Directory="ProgramMenuFolder" Name="Nuvessa"'
                    f' Target="[#{file}]" WorkingDirectory="INSTALLDIR" Icon="{icon}"/>\n')
    return (f'        <Component Id="{identifier("c", relative)}" Guid="{guid("component", relative)}" Win64="yes">\n'
            f'          <File Id="{file}" Name={quoteattr(path.name)} Source={source} KeyPath="yes"/>\n'
            f'{shortcut}        </Component>\n')


def directory(folder, root, icon, base, components):
    text = ""
    for path in sorted(folder.iterdir(), key=lambda p: p.name):
        relative = path.relative_to(root).as_posix()
        if path.is_dir():
            inner = directory(path, root, icon, base, components)
            text += (f'        <Directory Id="{identifier("d", relative)}" Name={quoteattr(path.name)}>\n'
                     f'{inner}        </Directory>\n')
        else:
            components.append(identifier("c", relative))
            text += component(path, relative, icon, base)
    return text


def source(folder, version, manufacturer, icon_file, base):
    icon = "nuvessa.ico"
    components = []
    files = directory(folder, folder, icon, base, components)
    references = "".join(f'      <ComponentRef Id="{c}"/>\n' for c in ["InstalledFolder"] + components)
    return f'''<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="{guid("product", version)}" Name="Nuvessa" Language="1033" Version="{version}"
           Manufacturer={quoteattr(manufacturer)} UpgradeCode="{{{str(UPGRADE_CODE).upper()}}}">
    <Package InstallerVersion="500" Compressed="yes"
             InstallScope="perMachine" Manufacturer={quoteattr(manufacturer)}
             Description="Nuvessa {version}" Comments="Nuvessa {version} for 64-bit Windows"/>
    <MajorUpgrade DowngradeErrorMessage="A newer version of Nuvessa is already installed."/>
    <Media Id="1" Cabinet="nuvessa.cab" EmbedCab="yes"/>
    <Icon Id="{icon}" SourceFile={quoteattr(os.path.relpath(icon_file, base))}/>
    <Property Id="ARPPRODUCTICON" Value="{icon}"/>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPNOREPAIR" Value="1"/>
    <Property Id="REBOOT" Value="ReallySuppress"/>
    <!-- The folder an install was given with INSTALLDIR is where an upgrade and the uninstall look. -->
    <Property Id="INSTALLDIR">
      <RegistrySearch Id="InstalledFolder" Root="HKLM" Key="Software\\Nuvessa" Name="InstallDir" Type="raw" Win64="yes"/>
    </Property>
    <!-- "Apps &amp; features" and IT's detection rules find the folder. -->
    <CustomAction Id="SetInstallLocation" Property="ARPINSTALLLOCATION" Value="[INSTALLDIR]"/>
    <InstallExecuteSequence>
      <Custom Action="SetInstallLocation" Sequence="1001"/>
    </InstallExecuteSequence>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
       <Directory Id="INSTALLDIR" Name="Nuvessa">
        <Component Id="InstalledFolder" Guid="{guid("component", "installed folder")}" Win64="yes">
          <RegistryValue Root="HKLM" Key="Software\\Nuvessa" Name="InstallDir" Type="string" Value="[INSTALLDIR]"
                         KeyPath="yes"/>
        </Component>
{files}       </Directory>
      </Directory>
      <Directory Id="ProgramMenuFolder"/>
    </Directory>
    <Feature Id="Nuvessa" Title="Nuvessa" Level="1" Absent="disallow">
{references}    </Feature>
  </Product>
</Wix>
'''


def set_summary(msi, package_code, epoch):
    """Gives the summary's package code and times fixed values, where wixl takes a random one and the clock's."""
    filetime = struct.pack("<Q", (epoch + 11644473600) * 10_000_000)
    with olefile.OleFileIO(str(msi), write_mode=True) as storage:
        stream = bytearray(storage.openstream("\x05SummaryInformation").read())
        section = struct.unpack_from("<I", stream, 44)[0]
        count = struct.unpack_from("<I", stream, section + 4)[0]
        for index in range(count):
            pid, offset = struct.unpack_from("<II", stream, section + 8 + 8 * index)
            value = section + offset
            kind = struct.unpack_from("<I", stream, value)[0]
            if pid in (12, 13) and kind == 64:  # created and last saved, as FILETIME
                stream[value + 4:value + 12] = filetime
            elif pid == 9 and kind == 30:  # the package code, a string of the same length
                size = struct.unpack_from("<I", stream, value + 4)[0]
                if size != len(package_code) + 1:
                    raise SystemExit(f"{msi}: the package code is not where wixl writes it")
                stream[value + 8:value + 8 + size] = package_code.encode() + b"\0"
        storage.write_stream("\x05SummaryInformation", bytes(stream))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", type=pathlib.Path, required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--manufacturer", required=True)
    parser.add_argument("--icon", type=pathlib.Path, required=True)
    parser.add_argument("--out", type=pathlib.Path, required=True, help="the MSI; its source is written beside it")
    arguments = parser.parse_args()
    base = arguments.out.parent
    wxs = arguments.out.with_suffix(".wxs")
    wxs.write_text(source(arguments.folder, arguments.version, arguments.manufacturer, arguments.icon, base),
                   encoding="utf-8")
    subprocess.run(["wixl", "--arch", "x64", "--output", arguments.out.name, wxs.name], cwd=base, check=True)
    # wixl makes every custom action a deferred one; this one sets a property, and must run at once.
    subprocess.run(["msibuild", arguments.out, "-q",
                    "UPDATE CustomAction SET Type=51 WHERE Action='SetInstallLocation'"], check=True)
    digest = hashlib.sha256()
    for path in sorted(p for p in arguments.folder.rglob("*") if p.is_file()):
        digest.update(path.relative_to(arguments.folder).as_posix().encode() + b"\0" + path.read_bytes())
    set_summary(arguments.out, guid("package", arguments.version, digest.hexdigest()),
                int(os.environ.get("SOURCE_DATE_EPOCH", "0")))


if __name__ == "__main__":
    main()
