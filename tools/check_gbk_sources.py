#!/usr/bin/env python3
"""Fails when a source file holds a character that code page 936 cannot encode.

The program's texts are GBK bytes made by the compiler from UTF-8 sources; a
character outside GBK would silently become a sequence Windows cannot read.
"""
import pathlib
import sys


def main(roots):
    bad = []
    for root in roots:
        for path in sorted(pathlib.Path(root).rglob("*")):
            if path.suffix not in {".h", ".cpp"}:
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                for char in line:
                    if ord(char) > 0x7F:
                        try:
                            char.encode("cp936")
                        except UnicodeEncodeError:
                            bad.append(f"{path}:{number}: U+{ord(char):04X} is not in GBK")
    print("\n".join(bad) if bad else f"every character of {', '.join(roots)} is in GBK")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
