#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) starts, one "field=value" a line:
target, arguments, workdir and icon (file,index).
   read_lnk.py FILE.lnk"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH = 0x1, 0x2, 0x4, 0x8
HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON_LOCATION, IS_UNICODE = 0x10, 0x20, 0x40, 0x80


def main(path):
    data = open(path, "rb").read()
    if struct.unpack_from("<I", data, 0)[0] != 0x4C:
        sys.exit(f"{path}: not a shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, _, info_flags, _, base_offset = struct.unpack_from("<5I", data, at)
        if info_flags & 1:  # VolumeIDAndLocalBasePath
            end = data.index(b"\0", at + base_offset)
            target = data[at + base_offset:end].decode("latin-1")
        at += size
    fields = {}
    for flag, name in ((HAS_NAME, "name"), (HAS_RELATIVE_PATH, "relative"), (HAS_WORKING_DIR, "workdir"),
                       (HAS_ARGUMENTS, "arguments"), (HAS_ICON_LOCATION, "icon")):
        if flags & flag:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if flags & IS_UNICODE else 1
            raw = data[at + 2:at + 2 + count * width]
            # Some writers count the terminating zero too.
            fields[name] = raw.decode("utf-16-le" if width == 2 else "latin-1").rstrip("\0")
            at += 2 + count * width
    icon_index = struct.unpack_from("<i", data, 0x38)[0]
    print(f"target={target}")
    print(f"arguments={fields.get('arguments', '')}")
    print(f"workdir={fields.get('workdir', '')}")
    print(f"icon={fields['icon']},{icon_index}" if "icon" in fields else "icon=")


if __name__ == "__main__":
    main(sys.argv[1])
