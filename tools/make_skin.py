#!/usr/bin/env python3
"""Turns a readable skin (skin/*.she.txt) into the skin library's .she bytes.

    make_skin.py SOURCE OUTPUT

Each line of the source is blank, a comment starting with '#', or
`key = red green blue` with three numbers from 0 to 255. The layout of the
output is described in skin/skin_format.h.
"""
import re
import struct
import sys
import zlib

VERSION = 1
LINE = re.compile(r"^([a-z][a-z0-9.]*)\s*=\s*(\d+)\s+(\d+)\s+(\d+)$")


def read_entries(path):
    entries = {}
    with open(path, encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            match = LINE.match(line)
            if not match:
                sys.exit(f"{path}:{number}: expected 'key = red green blue'")
            key = match.group(1)
            rgb = [int(part) for part in match.group(2, 3, 4)]
            if key in entries:
                sys.exit(f"{path}:{number}: {key} is given twice")
            if len(key) > 255 or any(value > 255 for value in rgb):
                sys.exit(f"{path}:{number}: key too long or a number above 255")
            entries[key] = bytes(rgb)
    return entries


def encode(entries):
    body = b"".join(
        bytes([len(key)]) + key.encode("ascii") + bytes([len(value)]) + value
        for key, value in entries.items()
    )
    header = b".SHE" + struct.pack("<HHII", VERSION, len(entries), len(body), zlib.crc32(body))
    return header + body


def main(source, output):
    data = encode(read_entries(source))
    with open(output, "wb") as target:
        target.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_skin.py SOURCE OUTPUT")
    main(sys.argv[1], sys.argv[2])
