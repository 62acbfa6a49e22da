#!/usr/bin/env python3
"""Keeps, beside the toolkit built for Windows, what the notices of every
package are drawn from:

- sources-used.tsv: for each library and plug-in the build made, every file of
  the toolkit's source that went into it, as the build itself recorded it (the
  inputs of its link, and of the static libraries linked into it, and every
  header each of its objects included), with the licence that file's own
  header states;
- records/: the records of the third-party parts (qt_attribution.json with the
  licence and copyright files they name), the toolkit's LICENSES folder and
  Debian's copyright file, at their places in the source.

    qt-windows-records.py BUILD_DIR SOURCE_DIR OUT_DIR
"""

import json
import os
import pathlib
import re
import shutil
import subprocess
import sys

# Code that the toolkit's makers generated from a part's data with a tool of
# theirs and committed, so that the build never reads the data itself.
GENERATED_FROM = {
    "src/gui/painting/webgradients.cpp": "util/gradientgen/webgradients.css",
}

SPDX_HEADER = re.compile(r"SPDX-License-Identifier:\s*(.+?)\s*(\*/)?\s*$", re.MULTILINE)


def ninja(build, *arguments):
    return subprocess.run(["ninja", "-C", str(build), "-t", *arguments], check=True,
                          capture_output=True, text=True).stdout.splitlines()


def build_edges(build):
    """Each build statement's rule, outputs, and explicit and implicit inputs,
    from build.ninja."""
    text = (build / "build.ninja").read_text().replace("$\n", "")
    words = lambda part: [w.replace("$ ", " ").replace("$:", ":") for w in re.split(r"(?<!\$) ", part) if w]
    edges = []
    for line in text.splitlines():
        if not line.startswith("build "):
            continue
        outputs, _, rest = line[len("build "):].partition(": ")
        rule, _, inputs = rest.partition(" ")
        inputs = inputs.split(" || ")[0].replace(" | ", " ")
        edges.append((rule, words(outputs.replace(" | ", " ")), words(inputs)))
    return edges


def shipped_binaries(build):
    found = sorted(p.relative_to(build).as_posix() for p in (build / "bin").glob("*.dll"))
    found += sorted(p.relative_to(build).as_posix() for p in (build / "plugins").glob("*/*.dll"))
    found += sorted(p.relative_to(build).as_posix() for p in (build / "lib").glob("libQt6EntryPoint*.a"))
    return found


def objects_of(binary, producers):
    """The objects linked into a binary, through the static libraries it links,
    stopping at other libraries' import libraries: their code is their own."""
    objects, pending, seen = [], [binary], set()
    while pending:
        target = pending.pop()
        if target in seen or target not in producers:
            continue
        seen.add(target)
        rule, outputs, inputs = producers[target]
        if "LINKER" not in rule:
            continue
        if target != binary and any(o.endswith(".dll") for o in outputs):
            continue
        for name in inputs:
            if name.endswith((".obj", ".o")):
                objects.append(name)
            elif name.endswith(".a"):
                pending.append(name)
    return objects


def licence_of(path):
    try:
        found = SPDX_HEADER.search(path.read_text(errors="replace")[:4000])
    except OSError:
        return ""
    return found.group(1) if found else ""


def keep_records(source, out):
    """The third-party parts' records, and what they name, at their places."""
    wanted = {"LICENSES", "debian/copyright"}
    for record in source.rglob("qt_attribution.json"):
        folder = record.parent
        wanted.add(record.relative_to(source).as_posix())
        entries = json.loads(record.read_text(), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            names = [entry.get("LicenseFile"), entry.get("CopyrightFile")] + entry.get("LicenseFiles", [])
            for name in filter(None, names):
                wanted.add(os.path.normpath((folder / name).relative_to(source).as_posix()))
    for name in sorted(wanted):
        origin, target = source / name, out / name
        target.parent.mkdir(parents=True, exist_ok=True)
        if origin.is_dir():
            shutil.copytree(origin, target, dirs_exist_ok=True)
        elif origin.is_file():
            shutil.copy2(origin, target)
        else:
            sys.exit(f"a record names {name}, which the source does not have")


def main():
    build, source, out = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
    producers = {}
    for rule, outputs, inputs in build_edges(build):
        for output in outputs:
            producers[output] = (rule, outputs, inputs)

    def inside_source(name):
        path = pathlib.Path(os.path.normpath(build / name))
        return path.relative_to(source).as_posix() if path.is_relative_to(source) else None

    lines = []
    for binary in shipped_binaries(build):
        objects = objects_of(binary, producers)
        if not objects:
            sys.exit(f"the build records no object for {binary}")
        used, generated = set(), set()
        for line in ninja(build, "deps", *objects):
            if line.startswith(" "):
                name = line.strip()
                relative = inside_source(name)
                if relative:
                    used.add(relative)
                elif name in producers and producers[name][0].startswith("CUSTOM_COMMAND"):
                    generated.add(name)
        # What generated code was made from: the inputs of the command that made
        # it, a resource's files among them.
        if generated:
            for line in ninja(build, "deps", *sorted(generated)):
                if line.startswith(" ") and inside_source(line.strip()):
                    used.add(inside_source(line.strip()))
            for name in generated:
                used.update(filter(None, map(inside_source, producers[name][2])))
        for name in list(used):
            if name in GENERATED_FROM:
                used.add(GENERATED_FROM[name])
        for name in sorted(used):
            lines.append(f"{binary}\t{name}\t{licence_of(source / name)}\n")
    out.mkdir(parents=True, exist_ok=True)
    (out / "sources-used.tsv").write_text("".join(lines))
    keep_records(source, out / "records")


if __name__ == "__main__":
    main()
