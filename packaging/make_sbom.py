#!/usr/bin/env python3
"""Writes the list of a package's parts, in SPDX 2.3 JSON: every file the
package ships with its checksums, every third-party part with its version,
licence and supplier, and how each is contained or linked.

    make_sbom.py --folder STAGED --name PACKAGE --out FILE
                 (--parts PARTS.json | --debian-program PATH [--debian-depends PKG ...])

The list itself is the one file of the package it does not list. Its times come
from SOURCE_DATE_EPOCH, so the same files give the same list.
"""

import argparse
import hashlib
import json
import os
import pathlib
import re
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import licences  # noqa: E402

from debian.copyright import Copyright, NotMachineReadableError  # noqa: E402

PROGRAM_LICENCE = "LicenseRef-Nuvessa-Proprietary"
SUPPLIER = "Organization: Nuvessa maintainers (maintainers@nuvessa.org)"


def spdx_id(kind, name):
    return f"SPDXRef-{kind}-" + re.sub(r"[^A-Za-z0-9.]+", "-", name).strip("-")


def digest(path, algorithm):
    h = hashlib.new(algorithm)
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def linked_libraries(path):
    """The libraries a program or library asks the system's loader for."""
    dump = subprocess.run(["objdump", "-p", str(path)], capture_output=True, text=True)
    if dump.returncode != 0:
        dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(path)], capture_output=True, text=True)
    return re.findall(r"^\s*(?:NEEDED|DLL Name:)\s+(\S+)", dump.stdout, re.M)


def is_binary(path):
    with open(path, "rb") as f:
        head = f.read(4)
    return head[:2] == b"MZ" or head == b"\x7fELF"


def debian_package_part(package, architecture):
    query = subprocess.run(["dpkg-query", "-W", "-f=${Version}\n${Maintainer}\n${source:Package}\n${Homepage}",
                            package], check=True, capture_output=True, text=True).stdout.split("\n")
    version, maintainer, source, homepage = (query + [""] * 4)[:4]
    declared = "NOASSERTION"
    copyright_text = "NOASSERTION"
    try:
        record = Copyright(open(f"/usr/share/doc/{package}/copyright", encoding="utf-8"))
        whole = record.find_files_paragraph("*")
        if whole is not None:
            declared = licences.spdx_expression(whole.license.synopsis)
            copyright_text = whole.copyright.strip() or "NOASSERTION"
    except (FileNotFoundError, NotMachineReadableError, ValueError):
        pass
    name, mail = (maintainer.rsplit("<", 1) + [""])[:2]
    part = {"key": f"deb-{package}", "name": package, "version": version, "licenseDeclared": declared,
            "licenseConcluded": declared, "copyrightText": copyright_text,
            "supplier": f"Organization: {name.strip()} ({mail.rstrip('>')})",
            "homepage": homepage or None, "source": f"Debian's source package {source}",
            "purl": f"pkg:deb/debian/{package}@{version}?arch={architecture}", "files": [], "link": "DEPENDS_ON"}
    return part


def package_owning(path):
    """The Debian package a library belongs to, by any of the names a merged /usr gives it."""
    real = os.path.realpath(path)
    for candidate in dict.fromkeys([path, real, real.removeprefix("/usr"), path.removeprefix("/usr")]):
        found = subprocess.run(["dpkg-query", "-S", candidate], capture_output=True, text=True)
        if found.returncode == 0:
            return found.stdout.split(":", 1)[0]
    sys.exit(f"no Debian package holds {path}")


def debian_parts(folder, program, depends):
    architecture = subprocess.run(["dpkg", "--print-architecture"], check=True, capture_output=True,
                                  text=True).stdout.strip()
    cache = subprocess.run(["ldconfig", "-p"], check=True, capture_output=True, text=True).stdout
    parts = {}
    for soname in linked_libraries(folder / program):
        found = re.search(rf"^\s*{re.escape(soname)} \(libc6,x86-64\) => (\S+)$", cache, re.M)
        if not found:
            sys.exit(f"this machine has no {soname}, which {program} needs")
        owner = package_owning(found.group(1))
        part = parts.setdefault(owner, debian_package_part(owner, architecture))
        part["files"].append(program)
        part["link"] = "DYNAMIC_LINK"
    for package in depends:
        parts.setdefault(package, debian_package_part(package, architecture))
    return list(parts.values())


def relative_files(folder, out):
    # A symbolic link is named by what it leads to.
    return sorted(p.relative_to(folder).as_posix() for p in folder.rglob("*")
                  if p.is_file() and not p.is_symlink() and p.resolve() != out.resolve())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", required=True, type=pathlib.Path)
    parser.add_argument("--name", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("--parts", type=pathlib.Path)
    parser.add_argument("--program-licence", required=True, type=pathlib.Path)
    parser.add_argument("--licence-texts", type=pathlib.Path, help="folder of LICENSES/<id>.txt for LicenseRefs")
    parser.add_argument("--debian-program")
    parser.add_argument("--debian-depends", nargs="*", default=[])
    options = parser.parse_args()
    folder = options.folder

    if options.parts:
        loaded = json.loads(options.parts.read_text())
        parts, program = loaded["parts"], loaded["program"]["files"][0]
    else:
        program = options.debian_program
        parts = debian_parts(folder, program, options.debian_depends)

    files = relative_files(folder, options.out)
    file_entries, ids, sha1s = [], {}, []
    part_of_file = {f: p for p in parts if p["link"] == "DYNAMIC_LINK" for f in p["files"]
                    if not p["key"].startswith("deb-")}
    for name in files:
        path = folder / name
        sha1 = digest(path, "sha1")
        sha1s.append(sha1)
        ids[name] = spdx_id("File", name)
        owner = part_of_file.get(name)
        concluded = PROGRAM_LICENCE if name == program else owner["licenseConcluded"] if owner else "NOASSERTION"
        file_entries.append({"fileName": "./" + name, "SPDXID": ids[name],
                             "checksums": [{"algorithm": "SHA1", "checksumValue": sha1},
                                           {"algorithm": "SHA256", "checksumValue": digest(path, "sha256")}],
                             "licenseConcluded": concluded, "copyrightText": "NOASSERTION"})

    nuvessa = "SPDXRef-Package-Nuvessa"
    packages = [{
        "SPDXID": nuvessa, "name": "Nuvessa", "versionInfo": options.version, "supplier": SUPPLIER,
        "downloadLocation": "NOASSERTION", "filesAnalyzed": True,
        "packageVerificationCode": {
            "packageVerificationCodeValue": hashlib.sha1("".join(sorted(sha1s)).encode()).hexdigest(),
            "packageVerificationCodeExcludedFiles": ["./" + options.out.relative_to(folder).as_posix()]},
        "licenseConcluded": PROGRAM_LICENCE, "licenseDeclared": PROGRAM_LICENCE,
        "copyrightText": options.program_licence.read_text().splitlines()[2],
        "primaryPackagePurpose": "APPLICATION"}]
    relationships = [{"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                      "relatedSpdxElement": nuvessa}]
    relationships += [{"spdxElementId": nuvessa, "relationshipType": "CONTAINS", "relatedSpdxElement": ids[f]}
                      for f in files]
    for part in parts:
        part_id = spdx_id("Package", part["key"])
        entry = {"SPDXID": part_id, "name": part["name"], "versionInfo": part["version"],
                 "supplier": part["supplier"], "downloadLocation": "NOASSERTION", "filesAnalyzed": False,
                 "licenseConcluded": part["licenseConcluded"], "licenseDeclared": part["licenseDeclared"],
                 "copyrightText": part["copyrightText"] or "NOASSERTION",
                 "comment": f"Source: {part['source']}."}
        if part.get("homepage") and re.match(r"^https?://", part["homepage"]):
            entry["homepage"] = part["homepage"]
        if part.get("purl"):
            entry["externalRefs"] = [{"referenceCategory": "PACKAGE-MANAGER", "referenceType": "purl",
                                      "referenceLocator": part["purl"]}]
        packages.append(entry)
        if part["key"].startswith("deb-"):
            relationships.append({"spdxElementId": nuvessa, "relationshipType": "DEPENDS_ON",
                                  "relatedSpdxElement": part_id})
        for name in part["files"]:
            if part["key"].startswith("deb-"):
                kind = "DYNAMIC_LINK"
            elif part["link"] == "DYNAMIC_LINK":
                kind = "GENERATED_FROM"
            else:
                kind = "STATIC_LINK"
            relationships.append({"spdxElementId": ids[name], "relationshipType": kind,
                                  "relatedSpdxElement": part_id})
    # Which shipped file loads which, as each one's own import table says.
    by_name = {pathlib.Path(f).name.lower(): f for f in files}
    for name in files:
        if is_binary(folder / name):
            for library in linked_libraries(folder / name):
                if library.lower() in by_name and by_name[library.lower()] != name:
                    relationships.append({"spdxElementId": ids[name], "relationshipType": "DYNAMIC_LINK",
                                          "relatedSpdxElement": ids[by_name[library.lower()]]})

    used_refs = sorted({s for p in packages + file_entries for key in ("licenseConcluded", "licenseDeclared")
                        if p.get(key, "NOASSERTION") != "NOASSERTION"
                        for s in licences.symbols(p[key]) if s.startswith("LicenseRef-")})
    extracted = []
    for ref in used_refs:
        text_file = (options.licence_texts / f"{ref}.txt") if options.licence_texts else None
        if ref == PROGRAM_LICENCE:
            text = options.program_licence.read_text()
        elif text_file and text_file.is_file():
            text = text_file.read_text()
        else:
            text = "The part's own record names this licence without a text; see its notice."
        extracted.append({"licenseId": ref, "extractedText": text})

    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    content = hashlib.sha256("".join(sorted(sha1s)).encode()).hexdigest()[:16]
    document = {
        "spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT",
        "name": options.name,
        "documentNamespace": f"https://nuvessa.org/spdx/{options.name}-{content}",
        "creationInfo": {"created": time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(epoch)),
                         "creators": ["Organization: Nuvessa maintainers", "Tool: nuvessa-make_sbom"]},
        "comment": "This list names every file of the package but itself.",
        "packages": packages, "files": file_entries, "relationships": relationships,
        "hasExtractedLicensingInfos": extracted,
    }
    options.out.parent.mkdir(parents=True, exist_ok=True)
    options.out.write_text(json.dumps(document, indent=1, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main()
