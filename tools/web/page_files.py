#!/usr/bin/python3
"""Puts the page's own files together for the site.

join OUTPUT SOURCE...
    The page's script (or style sheet) as one file from its parts in
    web/, in order, without the comments that stand on lines of their own
    (/* */ in a style sheet), without indentation, and with one "use
    strict" where the first part's, at the top, holds for all: a player
    downloads what runs, the sources keep what explains. The parts hold
    no text that spans lines, which alone could change.

worker TEMPLATE OUTPUT SITE FILE...
    The service worker from its template, joined as above: the FILEs of
    the site it keeps offline, and a digest of their contents that names
    its cache, so that every build that changes one of them is kept
    anew."""

import hashlib
import json
import os
import re
import sys

STRICT = '"use strict";'


def joined(sources):
    lines = []
    for source in sources:
        with open(source, encoding="utf-8") as part:
            text = part.read()
        if source.endswith(".css"):
            text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
        lines += [line.strip() for line in text.split("\n")]
    lines = [line for line in lines if line and not line.startswith("//")]
    strict = lines[:1] == [STRICT]
    return "".join(line + "\n" for at, line in enumerate(lines)
                   if not (strict and at > 0 and line == STRICT))


def worker(template, site, files):
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(site, name), "rb") as data:
            digest.update(name.encode() + b"\0" + data.read())
    return joined([template]).replace("@DIGEST@", digest.hexdigest()[:16]).replace(
        "@FILES@", json.dumps(files))


def main(argv):
    if len(argv) >= 4 and argv[1] == "join":
        text = joined(argv[3:])
    elif len(argv) >= 6 and argv[1] == "worker":
        text = worker(argv[2], argv[4], argv[5:])
    else:
        sys.exit(__doc__)
    with open(argv[2] if argv[1] == "join" else argv[3], "w", encoding="utf-8",
              newline="\n") as output:
        output.write(text)


if __name__ == "__main__":
    main(sys.argv)
