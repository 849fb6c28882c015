#!/usr/bin/env python3
"""Makes the help contexts of a chmcmd-compiled help file point into the file.

    fix-contexts.py FILE.chm PROJECT_DIR

chmcmd 3.2.2 stores the topic of each numbered help context ([MAP] and
[ALIAS] of the project) as the page's path on the build machine, e.g.
"/home/me/build/help/picker.htm"; a viewer asked for that context looks for
that path inside the help file and finds nothing. This rewrites each such
topic as the page's name inside the file ("picker.htm"), in place.

The topic names live in the compressed section, so the section is written
back as LZX frames of stored (uncompressed) blocks, which every LZX decoder
reads; the file grows by what compression had saved. Everything else stays
byte for byte, but for the new section's length, its reset table and the
file size.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chmfile import CONTENT, FRAME, RESET_TABLE, ChmError, ChmFile  # noqa: E402


def _encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def _context_topics(chm):
    """Offsets into #STRINGS of every context's topic."""
    ivb = chm.read("/#IVB")
    size, = struct.unpack_from("<I", ivb, 0)
    return [struct.unpack_from("<I", ivb, 4 + i)[0] for i in range(4, size + 4, 8)]


def _patched_section(chm, project_dir):
    section = bytearray(chm.section1())
    _, strings_offset, strings_length = chm.entry("/#STRINGS")
    prefix = (project_dir.rstrip("/") + "/").encode()
    for offset in _context_topics(chm):
        start = strings_offset + offset
        end = section.index(b"\0", start, strings_offset + strings_length)
        topic = bytes(section[start:end])
        if not topic.startswith(prefix):
            continue  # already a name inside the file
        name = topic[len(prefix):]
        # Same place, same length: other files point into #STRINGS by offset.
        section[start:end] = name + b"\0" * (len(topic) - len(name))
    if prefix.rstrip(b"/") in section:
        raise ChmError(f"{project_dir} is still named inside the help file")
    return bytes(section)


def _stored_frames(section, frames_per_reset):
    """LZX stream of one stored block per 32 KiB frame, and where each frame starts."""
    stream = bytearray()
    starts = []
    for frame, begin in enumerate(range(0, len(section), FRAME)):
        # The last frame is padded to full size too: some readers always ask
        # a frame for 32 KiB, as chmcmd's own stream provides.
        data = section[begin:begin + FRAME].ljust(FRAME, b"\0")
        starts.append(len(stream))
        # Header bits, top bit first: after a reset "no x86 translation" (0),
        # then the block type 3 (stored) and its 24-bit length.
        bits, count = 0, 0
        if frame % frames_per_reset == 0:
            count = 1
        bits = (bits << 3) | 3
        bits = (bits << 24) | len(data)
        count += 27
        # A stored block starts at the next 16-bit word; a header that ends
        # on a word boundary is followed by one whole padding word.
        words = count // 16 + 1
        bits <<= words * 16 - count
        for i in reversed(range(words)):
            stream += ((bits >> (16 * i)) & 0xFFFF).to_bytes(2, "little")
        stream += struct.pack("<III", 1, 1, 1)  # the three recent match offsets
        stream += data
    return bytes(stream), starts


def _chunk(chm, chunk_offset, names, entries, chunk_size):
    """A directory chunk laid out as chmcmd lays it out: a quick-reference word
    for every fifth entry, the entry count in the last word."""
    body = bytearray()
    quickrefs = []
    for index, name in enumerate(names, 1):
        section, offset, length = entries[name]
        encoded = name.encode("utf-8")
        entry = _encint(len(encoded)) + encoded + _encint(section) + _encint(offset) + _encint(length)
        if index % 5 == 0:
            quickrefs.append(len(body))
        body += entry
    header = bytearray(chm.data[chunk_offset:chunk_offset + 20])
    used = 20 + len(body)
    if used + 2 * (len(quickrefs) + 2) > chunk_size:
        raise ChmError("the rewritten directory no longer fits its chunk")
    struct.pack_into("<I", header, 4, chunk_size - used)
    chunk = bytearray(chunk_size)
    chunk[:20] = header
    chunk[20:used] = body
    for i, quickref in enumerate(quickrefs, 1):
        struct.pack_into("<H", chunk, chunk_size - 2 - 2 * i, quickref)
    struct.pack_into("<H", chunk, chunk_size - 2, len(names))
    return bytes(chunk)


def fix(data, project_dir):
    chm = ChmFile(data)
    layout = chm.lzx_layout()
    section = _patched_section(chm, project_dir)
    stream, starts = _stored_frames(section, layout["frames_per_reset"])

    _, content_offset, content_length = chm.entry(CONTENT)
    content_start = chm.content_offset + content_offset
    if content_start + content_length != len(data):
        raise ChmError("the compressed stream is not the last thing in the file")
    out = bytearray(data[:content_start]) + stream

    _, table_offset, _ = chm.entry(RESET_TABLE)
    table = chm.content_offset + table_offset
    struct.pack_into("<Q", out, table + 24, len(stream))
    # One start per frame, then the end of the stream where the table has room.
    for i in range(layout["entries"]):
        start = starts[i] if i < len(starts) else len(stream)
        struct.pack_into("<Q", out, table + layout["table_offset"] + i * layout["entry_size"], start)

    entries = {name: chm.entry(name) for _, names in chm.chunks for name in names}
    entries[CONTENT] = (0, content_offset, len(stream))
    dir_offset, = struct.unpack_from("<Q", data, 0x48)
    chunk_size, = struct.unpack_from("<I", data, dir_offset + 16)
    for chunk_offset, names in chm.chunks:
        if CONTENT in names:
            out[chunk_offset:chunk_offset + chunk_size] = _chunk(chm, chunk_offset, names, entries, chunk_size)

    header_section, = struct.unpack_from("<Q", data, 0x38)
    struct.pack_into("<Q", out, header_section + 8, len(out))  # the file's size
    if ChmFile(bytes(out)).section1() != section:
        raise ChmError("the rewritten help file does not read back")
    return bytes(out)


def main(argv):
    if len(argv) != 3:
        print("usage: fix-contexts.py FILE.chm PROJECT_DIR", file=sys.stderr)
        return 2
    path, project_dir = argv[1], os.path.realpath(argv[2])  # chmcmd sees the real path
    try:
        with open(path, "rb") as f:
            data = f.read()
        fixed = fix(data, project_dir)
    except (OSError, ChmError) as error:
        print(f"fix-contexts: {path}: {error}", file=sys.stderr)
        return 1
    with open(path + ".tmp", "wb") as f:
        f.write(fixed)
    os.replace(path + ".tmp", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
