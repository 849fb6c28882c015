#!/usr/bin/env python3
"""Checks that a compiled help file opens where the program asks it to.

    check-help.py FILE.chm

Reads back from the compiled file what a viewer reads: the default topic from
#SYSTEM, and the numbered help contexts from #IVB (context number, offset)
and #STRINGS (the topic's page at that offset). Fails unless
- the default topic is the page the program's default-topic requests show;
- the contexts are exactly the numbers the program asks for, each mapped to
  the page of the window that asks for it;
- every page the program opens by name is stored in the file;
- every such page has a title and is in the contents;
- the pages still say what the program does where a reader is most likely to
  go wrong.
"""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chmfile import ChmError, ChmFile  # noqa: E402

SYSTEM_CONTENTS_FILE, SYSTEM_DEFAULT_TOPIC = 0, 2

# What the program opens, and the page each request must show. A context
# number belongs to the window whose Help button or menu item asks for it,
# so two numbers swapped in the project send each window to the other's page.
DEFAULT_TOPIC = "index.htm"  # tray menu Help, Help > Table of Contents
CONTEXTS = {
    1: "picker.htm",           # the process picker's Help button
    2: "program_entry.htm",    # the Program Entry dialog's
    3: "process_entry.htm",    # the Process Entry dialog's
    4: "getting_started.htm",  # Help > Getting Started
    5: "browsekill.htm",       # BrowseKill's
    6: "preview.htm",          # the preview of the next toggle's
}
NAMED_PAGES = ["updates.htm"]  # the About box's "Web Page" buttons

# Statements the manual must make, each where the program's behaviour would
# otherwise surprise: the page and a phrase of it.
STATEMENTS = [
    ("termination.htm", b"Only Quellmarch's own process is exempt"),
    ("patterns.htm", b"<code>*?</code> matches like <code>*</code>"),
    ("patterns.htm", b'<a href="preview.htm">'),
    ("updates.htm", b"<code>HKEY_LOCAL_MACHINE\\Software\\Quellmarch</code>"),
]


def system_records(chm):
    """#SYSTEM: a version word, then records of code, length and data."""
    data = chm.read("/#SYSTEM")
    records, pos = {}, 4
    while pos + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, pos)
        records[code] = data[pos + 4:pos + 4 + length]
        pos += 4 + length
    return records


def c_string(data, offset=0):
    end = data.find(b"\0", offset)
    return data[offset:end if end >= 0 else len(data)].decode("latin-1")


def context_map(chm):
    ivb = chm.read("/#IVB")
    strings = chm.read("/#STRINGS")
    size, = struct.unpack_from("<I", ivb, 0)
    pairs = (struct.unpack_from("<II", ivb, pos) for pos in range(4, 4 + size, 8))
    return {context: c_string(strings, offset) for context, offset in pairs}


def page(chm, name):
    """The title of a page stored in the file, or an error why it is not usable."""
    stored = "/" + name.lstrip("/")
    if not chm.has(stored):
        raise ChmError(f"{name} is not stored in the help file")
    title = re.search(rb"<title>(.*?)</title>", chm.read(stored), re.S | re.I)
    if not title or not title[1].strip():
        raise ChmError(f"{name} has no title")
    return title[1].decode("latin-1").strip()


def check(chm):
    problems = []
    records = system_records(chm)
    topic = c_string(records.get(SYSTEM_DEFAULT_TOPIC, b""))
    if topic != DEFAULT_TOPIC:
        problems.append(f"default topic is {topic!r}, not {DEFAULT_TOPIC!r}")

    contents = chm.read("/" + c_string(records.get(SYSTEM_CONTENTS_FILE, b"")).lstrip("/"))
    contents_pages = set(re.findall(rb'name="Local"\s+value="([^"#]*)', contents, re.I))
    stored = context_map(chm)
    for context in sorted(set(stored) | set(CONTEXTS)):
        if stored.get(context) != CONTEXTS.get(context):
            problems.append(f"context {context} opens {stored.get(context)!r}, not {CONTEXTS.get(context)!r}")

    opened = [("default topic", topic)] + [(f"context {c}", n) for c, n in sorted(stored.items())]
    opened += [("page", name) for name in NAMED_PAGES]
    for what, name in opened:
        try:
            title = page(chm, name)
        except ChmError as error:
            problems.append(f"{what}: {error}")
            continue
        if name.lstrip("/").encode() not in contents_pages:
            problems.append(f"{what}: {name} is not in the contents")
        print(f"{what} -> {name}: {title}")

    for name, phrase in STATEMENTS:
        stored_name = "/" + name
        if not chm.has(stored_name) or phrase not in b" ".join(chm.read(stored_name).split()):
            problems.append(f"{name} does not say {phrase.decode('latin-1')!r}")
    return problems


def main(argv):
    if len(argv) != 2:
        print("usage: check-help.py FILE.chm", file=sys.stderr)
        return 2
    try:
        with open(argv[1], "rb") as f:
            problems = check(ChmFile(f.read()))
    except (OSError, ChmError, ValueError) as error:
        problems = [str(error)]
    for problem in problems:
        print(f"check-help: {argv[1]}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
