#!/usr/bin/env python3
"""Writes the notices of the Windows folder, from the parts' own records:

- NOTICES.txt: every part shipped, with its version, licence, copyright lines,
  the files it is in and where its source is offered, then each part's own
  licence terms as its makers wrote them;
- LICENSES/: each licence text once, named by its SPDX identifier;
- a parts list (JSON, beside the folder) from which the package's SPDX list is made.

The toolkit's parts come from what its build recorded (scripts/build-qt-windows),
the compiler's runtime from Debian's copyright files of the packages that hold
it. A library or program in the folder that no record accounts for stops the
build.
"""

import argparse
import fnmatch
import json
import pathlib
import re
import subprocess
import sys
import textwrap
from collections import defaultdict

from debian.copyright import Copyright

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import licences  # noqa: E402
from make_sbom import package_owning  # noqa: E402

# The LGPL is a set of permissions added to the GPL: its text needs the GPL's beside it.
TEXTS_ALSO_NEEDED = {"LGPL-3.0-only": ["GPL-3.0-only"], "LGPL-3.0-or-later": ["GPL-3.0-only"]}

# Which of the compiler's own libraries each runtime DLL is, in the words of
# GCC's copyright file; and where winpthreads sits in mingw-w64's.
GCC_LIBRARIES = {"libstdc++-6.dll": "libstdc++-v3", "libgcc_s_seh-1.dll": "libgcc"}
MINGW_LIBRARIES = {"libwinpthread-1.dll": "mingw-w64-libraries/winpthreads/"}

COMPILED = (".c", ".cc", ".cpp", ".mm")


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", required=True, type=pathlib.Path, help="the folder as installed")
    parser.add_argument("--qt-records", required=True, type=pathlib.Path, help="share/nuvessa of the toolkit")
    parser.add_argument("--program", required=True, help="the program, e.g. nuvessa.exe")
    parser.add_argument("--program-version", required=True)
    parser.add_argument("--program-licence", required=True, type=pathlib.Path)
    parser.add_argument("--program-links", action="append", default=[],
                        help="a static library of the toolkit linked into the program, as the toolkit's build names it")
    parser.add_argument("--runtime", action="append", default=[], help="NAME=PATH of a runtime DLL")
    parser.add_argument("--source-archive", required=True, help="name of the toolkit's source archive")
    parser.add_argument("--parts", required=True, type=pathlib.Path, help="the parts list to write")
    return parser.parse_args()


def dpkg(*command):
    return subprocess.run(["dpkg-query", *command], check=True, capture_output=True, text=True).stdout.strip()


def programs_and_libraries(folder):
    return sorted(p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.suffix in (".exe", ".dll"))


def holder(copyright_line):
    """The holder named in a copyright line, without its years."""
    text = re.sub(r"^(Copyright\s*)?(\([Cc]\)|©)?\s*", "", copyright_line.strip())
    return re.sub(r"^[0-9][0-9 ,\-–/]*\s*", "", text).strip() or text


class Part:
    def __init__(self, key, name, version, declared, concluded, copyright_text, supplier, source, homepage=None):
        self.key, self.name, self.version = key, name, version
        self.declared, self.concluded = declared, concluded
        self.copyright, self.supplier, self.source, self.homepage = copyright_text, supplier, source, homepage
        self.files = set()
        self.link = "STATIC_LINK"
        self.terms = []  # (title, text) of the part's own licence files
        self.texts = {}  # SPDX identifier -> the text this part's records give for it

    def as_json(self):
        return {"key": self.key, "name": self.name, "version": self.version, "licenseDeclared": self.declared,
                "licenseConcluded": self.concluded, "copyrightText": self.copyright, "supplier": self.supplier,
                "homepage": self.homepage, "source": self.source, "files": sorted(self.files), "link": self.link}


def load_attributions(records):
    entries = []
    for record in sorted(records.rglob("qt_attribution.json")):
        folder = record.parent.relative_to(records).as_posix()
        loaded = json.loads(record.read_text(), strict=False)
        for entry in loaded if isinstance(loaded, list) else [loaded]:
            files = entry.get("Files", "").replace(",", " ").split()
            entries.append((folder, files, entry))
    return entries


def attribution_for(name, attributions):
    """The third-party records that cover one source file, the most particular first."""
    found = []
    for folder, files, entry in attributions:
        if not name.startswith(folder + "/"):
            continue
        inner = name[len(folder) + 1:]
        # A record that names no files covers its folder; among the toolkit's own
        # folders, whose headers every library includes, only the code compiled there.
        if not files and not folder.startswith("src/3rdparty/") and not inner.endswith(COMPILED):
            continue
        if not files or any(fnmatch.fnmatch(inner, f) or inner.endswith("/" + f) for f in files):
            found.append((bool(files), folder, entry))
    found.sort(key=lambda f: (not f[0], -len(f[1])))
    return found


def toolkit_parts(records_dir, folder, program, program_links, archive):
    """The toolkit's own code and the third-party parts inside it, by the files shipped."""
    records = records_dir / "records"
    attributions = load_attributions(records)
    debian_copyright = Copyright((records / "debian/copyright").read_text().splitlines(keepends=True))
    debian_version = (records_dir / "build-options.txt").read_text().splitlines()[0].split()[1]
    qt_version = debian_version.split("+")[0].split("-")[0]
    whole = next(p for p in debian_copyright.all_files_paragraphs() if p.files == ("*",))
    qt_holder = holder(whole.copyright.splitlines()[0])
    supplier = f"Organization: {qt_holder}"

    # Where each binary the toolkit built stands in the folder.
    sources_used = [(line.split("\t") + [""])[:3] for line in (records_dir / "sources-used.tsv").read_text().splitlines()]
    shipped = {}
    for binary in sorted({binary for binary, _, _ in sources_used}):
        place = binary.split("/", 1)[1] if binary.startswith(("bin/", "plugins/")) else None
        if place and (folder / place).is_file():
            shipped[binary] = place
        if binary in program_links:
            shipped[binary] = program

    parts = {}
    own = defaultdict(lambda: {"files": set(), "copyright": set(), "sources": set()})
    for binary, name, declared in sources_used:
        if binary not in shipped:
            continue
        found = attribution_for(name, attributions)
        if found:
            _, part_folder, entry = found[0]
            key = "qt-" + entry["Id"]
            if key not in parts:
                parts[key] = third_party_part(key, entry, records / part_folder, supplier, archive, part_folder)
            parts[key].files.add(shipped[binary])
        elif declared:
            expression = licences.spdx_expression(declared)
            group = own[expression]
            group["files"].add(shipped[binary])
            group["sources"].add(name)
            paragraph = debian_copyright.find_files_paragraph(name)
            if paragraph is not None:
                group["copyright"].update(l.strip() for l in paragraph.copyright.splitlines() if l.strip())

    # The toolkit's own code, one part for each licence its files state.
    main_group = max(own, key=lambda e: len(own[e]["sources"]))
    for expression, group in sorted(own.items()):
        suffix = "" if expression == main_group else " (" + common_folder(group["sources"]) + ")"
        key = "qt" + ("" if expression == main_group else "-" + re.sub(r"[^A-Za-z0-9]+", "-", common_folder(group["sources"])))
        part = Part(key, "Qt" + suffix, f"{qt_version} (Debian qt6-base {debian_version}, with Nuvessa's changes)",
                    expression, licences.chosen_option(expression), "\n".join(sorted(group["copyright"])),
                    supplier, f"offered beside this package as {archive}", "https://www.qt.io/")
        part.link = "DYNAMIC_LINK" if expression == main_group else "STATIC_LINK"
        part.files = group["files"]
        for symbol in licences.symbols(part.concluded):
            text = records / "LICENSES" / f"{symbol}.txt"
            if text.is_file():
                part.texts[symbol] = text.read_text()
        parts[key] = part
    return list(parts.values())


def common_folder(names):
    parts = [n.split("/")[:-1] for n in names]
    common = parts[0]
    for p in parts[1:]:
        while p[:len(common)] != common:
            common = common[:-1]
    return "/".join(common) or "."


def third_party_part(key, entry, folder, supplier, archive, place):
    declared = licences.spdx_expression(entry.get("LicenseId") or entry.get("License") or "")
    if declared is None:
        sys.exit(f"the record of {entry['Name']} names no licence")
    copyright_text = entry.get("Copyright", "")
    if entry.get("CopyrightFile"):
        copyright_text = (folder / entry["CopyrightFile"]).read_text(errors="replace").strip()
    part = Part(key, entry["Name"], entry.get("Version", "NOASSERTION"), declared, licences.chosen_option(declared),
                copyright_text.strip() or "NOASSERTION", supplier,
                f"offered beside this package as {archive}, in {place}", entry.get("Homepage"))
    files = [entry["LicenseFile"]] if entry.get("LicenseFile") else entry.get("LicenseFiles", [])
    for name in files:
        part.terms.append((f"{place}/{name}", (folder / name).read_text(errors="replace").strip()))
    symbols = licences.symbols(part.concluded)
    if len(symbols) == len(part.terms):
        part.texts = {s: t for s, (_, t) in zip(symbols, part.terms)}
    elif part.terms:
        part.texts = {s: "\n\n".join(t for _, t in part.terms) for s in symbols}
    elif entry.get("License") == "Public Domain":
        part.texts = {s: copyright_text for s in symbols}
    return part


def runtime_parts(runtime, executables):
    """The compiler's runtime, from the copyright files of Debian's packages that hold it."""
    parts = []
    crt_packages = set()
    for item in runtime:
        name, path = item.split("=", 1)
        package = package_owning(path)
        version = dpkg("-W", "-f=${Version}", package)
        source = dpkg("-W", "-f=${source:Package} ${source:Version}", package)
        where = f"Debian's source package {source.split()[0]}, version {source.split()[1]}"
        copyright_file = pathlib.Path("/usr/share/doc") / package / "copyright"
        if name in GCC_LIBRARIES:
            parts.append(gcc_part(name, GCC_LIBRARIES[name], version, copyright_file, where))
        elif name in MINGW_LIBRARIES:
            parts.append(mingw_part(f"mingw-{name}", f"mingw-w64 {name[:-len('-1.dll')].removeprefix('lib')}",
                                    version, copyright_file, where, [MINGW_LIBRARIES[name]], {name}, "DYNAMIC_LINK"))
            crt_packages.add((package, version, where))
        else:
            sys.exit(f"no record tells the licence of {name}")
    # The C runtime's start-up and helper code is linked into every program and
    # library the compiler makes.
    for package, version, where in sorted(crt_packages):
        parts.append(mingw_part("mingw-crt", "mingw-w64 C runtime", version,
                                pathlib.Path("/usr/share/doc") / package / "copyright", where,
                                ["mingw-w64-crt/", "*"], executables, "STATIC_LINK"))
    return parts


def gcc_part(name, library, version, copyright_file, where):
    text = copyright_file.read_text()
    exception = re.search(r"^GCC RUNTIME LIBRARY EXCEPTION$.*?requirements of the license of GCC\.$", text, re.M | re.S)
    granted = re.search(r"The following runtime libraries are licensed under the terms of the\s+GNU General Public "
                        r"License \(v3 or later\) with version 3\.1 of the GCC\s+Runtime Library Exception[^:]*:\s*(.*?)\n\n",
                        text, re.S)
    statement = re.search(r"^GCC is Copyright \(C\) .*?Inc\.$", text, re.M | re.S)
    if not (exception and granted and statement) or not re.search(rf"^\s*- {re.escape(library)}(\s|$)",
                                                                    granted.group(1), re.M):
        sys.exit(f"{copyright_file} no longer says under which terms {library} is given")
    copyright_text = re.sub(r"\s+", " ", statement.group(0).removeprefix("GCC is "))
    part = Part(f"gcc-{library}", f"GCC {library} ({name})", version,
                "GPL-3.0-or-later WITH GCC-exception-3.1", "GPL-3.0-or-later WITH GCC-exception-3.1",
                copyright_text, f"Organization: {holder(copyright_text.split(' ', 2)[2])}", where,
                "https://gcc.gnu.org/")
    part.link = "DYNAMIC_LINK"
    part.files = {name}
    part.texts = {"GCC-exception-3.1": exception.group(0)}
    part.terms = [(f"{copyright_file}, GCC Runtime Library Exception", exception.group(0))]
    return part


def mingw_part(key, name, version, copyright_file, where, places, files, link):
    record = Copyright(copyright_file.read_text().splitlines(keepends=True))
    standalone = {p.license.synopsis: p.license.text for p in record.all_license_paragraphs()}
    chosen = [p for p in record.all_files_paragraphs()
              if any(f in places or any(f.startswith(pl) for pl in places if pl.endswith("/")) for f in p.files)
              and not any("/tests" in f or "testcases" in f for f in p.files)]
    expressions, copyright_lines, texts, terms = [], [], {}, []

    # mingw-w64's own names for its licences are its own: "public-domain" here is not Qt's "Public Domain",
    # and Windows' file names, which ignore case, could not tell their texts apart.
    def spdx(text):
        return re.sub(r"\bLicenseRef-", "LicenseRef-mingw-w64-", licences.spdx_expression(text))

    for paragraph in chosen:
        expression = spdx(paragraph.license.synopsis)
        expressions.append(expression)
        copyright_lines += [l.strip() for l in paragraph.copyright.splitlines() if l.strip()]
        for word in re.split(r"\s+(?:and|or)\s+", paragraph.license.synopsis):
            body = paragraph.license.text if len(expression.split()) == 1 and paragraph.license.text else standalone.get(word, "")
            symbol = spdx(word)
            if body and symbol not in texts:
                texts[symbol] = body
                terms.append((f"{copyright_file}: {word}", body))
    declared = " AND ".join(sorted(set(f"({e})" if " " in e else e for e in expressions)))
    declared = licences.spdx_expression(declared)
    upstream = record.header.upstream_name or name
    part = Part(key, name, version, declared, declared, "\n".join(dict.fromkeys(copyright_lines)),
                f"Organization: {upstream} project", where, record.header.source)
    part.files, part.link, part.texts, part.terms = set(files), link, texts, terms
    return part


def licence_text(symbol, parts, records):
    for part in parts:
        if symbol in part.texts:
            return part.texts[symbol]
    for candidate in (records / "LICENSES" / f"{symbol}.txt",
                      licences.COMMON_LICENSES / licences.COMMON_LICENSE_FILES.get(symbol, "-")):
        if candidate.is_file():
            return candidate.read_text()
    sys.exit(f"no record gives the text of the licence {symbol}")


def write_notices(options, parts, executables):
    folder = options.folder
    records = options.qt_records / "records"
    program = Part("nuvessa", "Nuvessa", options.program_version, "LicenseRef-Nuvessa-Proprietary",
                   "LicenseRef-Nuvessa-Proprietary", options.program_licence.read_text().splitlines()[2],
                   "Organization: Nuvessa maintainers", "not offered: Nuvessa's own code is proprietary")
    program.files = {options.program}
    program.texts = {"LicenseRef-Nuvessa-Proprietary": options.program_licence.read_text()}

    # Every program and library in the folder is accounted for.
    covered = set().union(*(p.files for p in parts if not p.key.startswith("mingw-crt")), program.files)
    missing = [e for e in executables if e not in covered]
    if missing:
        sys.exit("no record accounts for " + ", ".join(missing))

    everything = [program] + parts
    needed = []
    for part in everything:
        for symbol in licences.symbols(part.concluded):
            for name in [symbol] + TEXTS_ALSO_NEEDED.get(symbol, []):
                if name not in needed:
                    needed.append(name)
    clashing = [s for s in needed if [n.lower() for n in needed].count(s.lower()) > 1]
    if clashing:
        sys.exit("licence texts whose file names differ only in case, which Windows cannot hold: " + ", ".join(clashing))
    (folder / "LICENSES").mkdir(exist_ok=True)
    for symbol in needed:
        (folder / "LICENSES" / f"{symbol}.txt").write_text(licence_text(symbol, everything, records).rstrip() + "\n")

    qt = next(p for p in parts if p.key == "qt")
    qt_files = ", ".join(sorted(f for f in qt.files if f.endswith(".dll")))
    lines = [
        f"Nuvessa {options.program_version}: notices",
        "",
        "Nuvessa's own code, texts and pictures are proprietary: see",
        "LICENSES/LicenseRef-Nuvessa-Proprietary.txt.",
        "",
        f"Nuvessa uses the Qt toolkit, version {qt.version.split()[0]}, under the GNU Lesser General",
        "Public License, version 3 (LGPL-3.0-only; its text is in LICENSES/LGPL-3.0-only.txt",
        "and LICENSES/GPL-3.0-only.txt). The toolkit is in these separate files, which you",
        f"may replace with versions of your own: {qt_files}.",
        "",
        "The complete corresponding source of the toolkit as shipped here, with the changes",
        "Nuvessa's makers made to it and the scripts and options it was built with, is",
        f"offered beside this package, from the same place, as {options.source_archive}.",
        "",
        "Every part shipped, then each part's own licence terms as its makers wrote them.",
        "The licence texts, once each, are in the folder LICENSES, named by their SPDX",
        "identifiers. A part is named in each file built with any file of its source; where",
        "its record names no files, with any file of its folder, so that none is left out.",
        "A part may so be named more widely than it is used.",
        "",
    ]
    for part in everything:
        lines += ["-" * 78, part.name, ""]
        lines.append(f"  Version:   {part.version}")
        lines.append(f"  Licence:   {part.concluded}")
        if part.declared != part.concluded:
            lines.append(f"             (offered as {part.declared})")
        lines += textwrap.wrap(", ".join(sorted(part.files)), 78, initial_indent="  In:        ",
                               subsequent_indent=" " * 13, break_on_hyphens=False)
        lines.append(f"  Source:    {part.source}")
        if part.homepage:
            lines.append(f"  Home page: {part.homepage}")
        lines.append("  Copyright:")
        lines += ["    " + l if l.strip() else "" for l in part.copyright.splitlines()]
        lines.append("")
    for part in everything:
        for title, text in part.terms:
            lines += ["=" * 78, f"{part.name}: {title}", "=" * 78, "", text, ""]
    # Windows' own editors and the installer's licence page read UTF-8 by its mark.
    (folder / "NOTICES.txt").write_text("\ufeff" + "\r\n".join(lines) + "\r\n", encoding="utf-8")
    options.parts.write_text(json.dumps({"program": program.as_json(), "parts": [p.as_json() for p in parts]},
                                        indent=1) + "\n")


def main():
    options = arguments()
    parts = toolkit_parts(options.qt_records, options.folder, options.program, options.program_links,
                          options.source_archive)
    executables = programs_and_libraries(options.folder)
    parts += runtime_parts(options.runtime, executables)
    write_notices(options, parts, executables)


if __name__ == "__main__":
    main()
