#!/usr/bin/python3
"""Puts the page's own files together for the site.

join OUTPUT SOURCE...
    The page's script (or style sheet) as one file from its parts in
    web/, in order, without the comments that stand on lines of their own
    (/* */ in a style sheet) and without indentation: a player downloads
    what runs, the sources keep what explains. The parts hold no text
    that spans lines, which alone could change."""

import re
import sys


def joined(sources):
    lines = []
    for source in sources:
        with open(source, encoding="utf-8") as part:
            text = part.read()
        if source.endswith(".css"):
            text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
        lines += [line.strip() for line in text.split("\n")]
    return "".join(line + "\n" for line in lines if line and not line.startswith("//"))


def main(argv):
    if len(argv) < 4 or argv[1] != "join":
        sys.exit(__doc__)
    with open(argv[2], "w", encoding="utf-8", newline="\n") as output:
        output.write(joined(argv[3:]))


if __name__ == "__main__":
    main(sys.argv)
