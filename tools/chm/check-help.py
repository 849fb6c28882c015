#!/usr/bin/env python3
"""Checks a compiled help file against its project: default topic and contexts.

    check-help.py FILE.chm PROJECT.hhp [CONTEXT...]

Reads back from the compiled file what a viewer reads: the default topic from
#SYSTEM, and the numbered help contexts from #IVB (context number, offset)
and #STRINGS (the topic's page at that offset). Fails unless
- the default topic is the project's and is a page stored in the file;
- every CONTEXT given (the numbers the program asks for) is mapped;
- the contexts are exactly the project's [MAP] and [ALIAS];
- every mapped page is stored in the file, has a title and is in the contents.
"""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chmfile import ChmError, ChmFile  # noqa: E402

SYSTEM_CONTENTS_FILE, SYSTEM_DEFAULT_TOPIC = 0, 2


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


def project(path):
    """Default topic and context map of a project (.hhp)."""
    sections, current = {}, None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.split(";", 1)[0].strip()
            if re.fullmatch(r"\[[^]]+\]", line):
                current = sections.setdefault(line[1:-1].upper(), [])
            elif line and current is not None:
                current.append(line)
    options = dict(line.split("=", 1) for line in sections.get("OPTIONS", []) if "=" in line)
    aliases = dict((k.strip(), v.strip()) for k, v in
                   (line.split("=", 1) for line in sections.get("ALIAS", []) if "=" in line))
    contexts = {}
    for line in sections.get("MAP", []):
        match = re.fullmatch(r"#define\s+(\S+)\s+(\d+)", line)
        if not match or match[1] not in aliases:
            raise ChmError(f"{path}: [MAP] line without an [ALIAS]: {line}")
        contexts[int(match[2])] = aliases[match[1]]
    return options.get("Default topic", "").strip(), contexts


def page(chm, name):
    """The title of a page stored in the file, or an error why it is not usable."""
    stored = "/" + name.lstrip("/")
    if not chm.has(stored):
        raise ChmError(f"{name} is not stored in the help file")
    title = re.search(rb"<title>(.*?)</title>", chm.read(stored), re.S | re.I)
    if not title or not title[1].strip():
        raise ChmError(f"{name} has no title")
    return title[1].decode("latin-1").strip()


def check(chm, project_path, required):
    problems = []
    default_topic, wanted = project(project_path)
    records = system_records(chm)
    topic = c_string(records.get(SYSTEM_DEFAULT_TOPIC, b""))
    if topic != default_topic:
        problems.append(f"default topic is {topic!r}, the project says {default_topic!r}")
    try:
        print(f"default topic -> {topic}: {page(chm, topic)}")
    except ChmError as error:
        problems.append(f"default topic: {error}")

    contents = chm.read("/" + c_string(records.get(SYSTEM_CONTENTS_FILE, b"")).lstrip("/"))
    contents_pages = set(re.findall(rb'name="Local"\s+value="([^"#]*)', contents, re.I))
    stored = context_map(chm)
    for context in required:
        if context not in stored:
            problems.append(f"context {context} is not mapped")
    if stored != wanted:
        problems.append(f"contexts {stored} differ from the project's {wanted}")
    for context, name in sorted(stored.items()):
        try:
            title = page(chm, name)
        except ChmError as error:
            problems.append(f"context {context}: {error}")
            continue
        if name.lstrip("/").encode() not in contents_pages:
            problems.append(f"context {context}: {name} is not in the contents")
        print(f"context {context} -> {name}: {title}")
    return problems


def main(argv):
    if len(argv) < 3:
        print("usage: check-help.py FILE.chm PROJECT.hhp [CONTEXT...]", file=sys.stderr)
        return 2
    try:
        with open(argv[1], "rb") as f:
            problems = check(ChmFile(f.read()), argv[2], [int(c) for c in argv[3:]])
    except (OSError, ChmError, ValueError) as error:
        problems = [str(error)]
    for problem in problems:
        print(f"check-help: {argv[1]}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
