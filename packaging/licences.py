"""Licence names as the parts' own records give them, made into SPDX
expressions, and the texts that stand behind each identifier.

Shared by the Windows notices and the parts lists of every package.
"""

import pathlib
import re

from license_expression import get_spdx_licensing

SPDX = get_spdx_licensing()

# Debian's copyright files name licences by their own short names (the
# copyright format's own list); the SPDX identifier of each.
DEBIAN_TO_SPDX = {
    "expat": "MIT",
    "BSD-2-clause": "BSD-2-Clause",
    "BSD-3-clause": "BSD-3-Clause",
    "ZPL-2.1": "ZPL-2.1",
    "ISC": "ISC",
    "LGPL-2+": "LGPL-2.0-or-later",
    "LGPL-2.1+": "LGPL-2.1-or-later",
    "LGPL-3": "LGPL-3.0-only",
    "LGPL-3+": "LGPL-3.0-or-later",
    "GPL-2": "GPL-2.0-only",
    "GPL-2+": "GPL-2.0-or-later",
    "GPL-3": "GPL-3.0-only",
    "GPL-3+": "GPL-3.0-or-later",
    "Apache-2.0": "Apache-2.0",
    "MPL-2.0": "MPL-2.0",
    "CC0-1.0": "CC0-1.0",
}

# Where Debian keeps its own copy of a licence's text.
COMMON_LICENSES = pathlib.Path("/usr/share/common-licenses")
COMMON_LICENSE_FILES = {
    "GPL-2.0-only": "GPL-2", "GPL-2.0-or-later": "GPL-2",
    "GPL-3.0-only": "GPL-3", "GPL-3.0-or-later": "GPL-3",
    "LGPL-2.1-only": "LGPL-2.1", "LGPL-2.1-or-later": "LGPL-2.1",
    "LGPL-3.0-only": "LGPL-3", "LGPL-3.0-or-later": "LGPL-3",
    "Apache-2.0": "Apache-2.0", "MPL-2.0": "MPL-2.0", "CC0-1.0": "CC0-1.0",
}


def licence_ref(name):
    """A LicenseRef- identifier for a licence the SPDX list does not know."""
    return "LicenseRef-" + re.sub(r"[^A-Za-z0-9.]+", "-", name).strip("-")


def is_known(symbol, exception=False):
    return SPDX.validate(f"MIT WITH {symbol}" if exception else symbol).errors == []


def spdx_expression(text):
    """An SPDX expression for a record's licence field: the symbols the SPDX list
    knows stay as they are, any other becomes a LicenseRef-, and a lower-case
    'or'/'and' reads as the operator it means."""
    if not text:
        return None
    words = re.split(r"(\s+|\(|\))", text.strip())
    out = []
    current = []

    def flush():
        if current:
            name = " ".join(current)
            name = DEBIAN_TO_SPDX.get(name, name)
            exception = bool(out) and out[-1] == "WITH"
            out.append(name if is_known(name, exception) or name.startswith("LicenseRef-") else licence_ref(name))
            current.clear()

    for word in words:
        if not word or word.isspace():
            continue
        if word.upper() in ("OR", "AND", "WITH") or word in ("(", ")"):
            flush()
            out.append(word.upper() if word not in ("(", ")") else word)
        else:
            current.append(word)
    flush()
    expression = " ".join(out).replace("( ", "(").replace(" )", ")")
    parsed = SPDX.parse(expression, validate=False)
    return str(parsed)


def symbols(expression):
    """The licence identifiers (and exceptions) an expression names, in order."""
    return [str(s) for s in SPDX.license_symbols(SPDX.parse(expression), unique=True, decompose=True)]


def chosen_option(expression, preferred=("LGPL-3.0-only", "BSD-3-Clause", "MIT")):
    """Of an expression that offers a choice, the option taken: the first of the
    preferred ones offered, never the toolkit maker's commercial terms."""
    parsed = SPDX.parse(expression)
    if parsed.__class__.__name__ != "OR":
        return str(parsed)
    options = [str(o) for o in parsed.args]
    for wanted in preferred:
        if wanted in options:
            return wanted
    free = [o for o in options if "LicenseRef-Qt-Commercial" not in o]
    return free[0] if free else options[0]
