#!/usr/bin/env python3
"""Prints, as a Markdown table for reviewers, the third-party parts (SOUP) that
a package's SPDX list names: each with its version, licence, supplier and the
files it is in.

    soup_table.py PACKAGE.spdx.json
"""

import json
import sys


def table(document):
    files = {f["SPDXID"]: f["fileName"].removeprefix("./") for f in document["files"]}
    where = {}
    for r in document["relationships"]:
        if r["spdxElementId"] in files and r["relationshipType"] in ("STATIC_LINK", "GENERATED_FROM", "DYNAMIC_LINK"):
            where.setdefault(r["relatedSpdxElement"], set()).add(files[r["spdxElementId"]])
    rows = ["| Part | Version | Licence | Supplier | In |", "|---|---|---|---|---|"]
    for part in document["packages"]:
        if part["SPDXID"] == "SPDXRef-Package-Nuvessa":
            continue
        inside = sorted(where.get(part["SPDXID"], []))
        shown = ", ".join(inside) if len(inside) < 6 else "every program and library"
        supplier = part["supplier"].split(": ", 1)[-1]
        cells = [part["name"], part["versionInfo"], part["licenseConcluded"], supplier, shown or "(a dependency)"]
        rows.append("| " + " | ".join(c.replace("|", "\\|") for c in cells) + " |")
    return "\n".join(rows) + "\n"


if __name__ == "__main__":
    print(table(json.loads(open(sys.argv[1], encoding="utf-8").read())), end="")
