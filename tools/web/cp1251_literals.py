#!/usr/bin/env python3
"""Copies C++ sources with their plain text literals in Windows-1251.

The game keeps its sources in UTF-8 and its texts in Windows-1251: g++
stores every plain ("...", '...') literal in 1251 through -fexec-charset.
Emscripten's clang has no such option and would store them as UTF-8, so
the web build compiles copies made by this script instead: each character
outside ASCII in a plain literal, written as it is or as a universal
character name (\\u0416), becomes the octal escape of its 1251 byte. The
compiler then stores exactly the bytes g++ stores. Everything else is
copied unchanged, line for line: comments, u8, u, U and L literals (which
-fexec-charset leaves alone too), and code. What g++ would refuse, a
character 1251 has no byte for, is refused here too; a raw literal holding
such characters is refused, since raw text cannot carry an escape.

usage: cp1251_literals.py SOURCE_ROOT COPY_ROOT STAMP FILE...
Each FILE under SOURCE_ROOT is copied to the same place under COPY_ROOT;
a copy that would not change is left alone, so that only what changed is
compiled again. STAMP is touched when all went well.
"""
import os
import pathlib
import re
import sys

PREFIXES = {"", "u8", "u", "U", "L"}
UNIVERSAL_NAME = re.compile(r"\\(u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8})")


class LiteralError(Exception):
    def __init__(self, at, message):
        super().__init__(message)
        self.at = at  # where in the text


def byte_escape(character, at):
    try:
        (byte,) = character.encode("cp1251")
    except UnicodeEncodeError:
        raise LiteralError(at, "U+%04X has no Windows-1251 byte" % ord(character)) from None
    return "\\%03o" % byte


def plain_body(body, at):
    """The body of a plain literal with its text in 1251 escapes."""
    out = []
    i = 0
    while i < len(body):
        if body[i] == "\\":
            name = UNIVERSAL_NAME.match(body, i)
            if name:
                out.append(byte_escape(chr(int(name.group(1)[1:], 16)), at))
                i = name.end()
            else:  # any other escape stands for itself
                out.append(body[i:i + 2])
                i += 2
        elif ord(body[i]) >= 0x80:
            out.append(byte_escape(body[i], at))
            i += 1
        else:
            out.append(body[i])
            i += 1
    return "".join(out)


def starts_line(text, i):
    return text[text.rfind("\n", 0, i) + 1:i].strip() == ""


def convert(text):
    """The source text with its plain literals' text in 1251 escapes."""
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        start = i
        if text.startswith("//", i) or (c == "#" and starts_line(text, i)
                                        and re.match(r"#\s*include\b", text[i:])):
            end = text.find("\n", i)  # a comment; a header name, which is no literal
            i = len(text) if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            if end < 0:
                raise LiteralError(i, "comment without its end")
            i = end + 2
        elif c.isdigit() or (c == "." and text[i + 1:i + 2].isdigit()):
            i = number_end(text, i)
        elif c.isalpha() or c == "_":
            while i < len(text) and (text[i].isalnum() or text[i] == "_"):
                i += 1
            if i < len(text) and text[i] in "\"'":
                i = literal(text, start, i, out)
                continue
        elif c in "\"'":
            i = literal(text, start, i, out)
            continue
        else:
            i += 1
        out.append(text[start:i])
    return "".join(out)


def number_end(text, i):
    """The end of a preprocessing number (1'000, 0x1Fu, 1e-5)."""
    i += 1
    while i < len(text):
        if text[i] in "eEpP" and text[i + 1:i + 2] in ("+", "-"):
            i += 2
        elif text[i] == "'" and (text[i + 1:i + 2].isalnum() or text[i + 1:i + 2] == "_"):
            i += 2
        elif text[i].isalnum() or text[i] in "._":
            i += 1
        else:
            break
    return i


def literal(text, start, quote_at, out):
    """Appends the literal whose prefix starts at start and whose quote is at
    quote_at to out, its text in 1251 where it is plain; returns the index
    just past it."""
    prefix = text[start:quote_at]
    quote = text[quote_at]
    raw = prefix.endswith("R") and quote == '"'
    encoding = prefix[:-1] if raw else prefix
    if encoding not in PREFIXES:  # a name before a quote, as in a macro's use
        out.append(prefix)
        return quote_at
    if raw:
        delimiter = re.match(r'"([^()\\\s]{0,16})\(', text[quote_at:])
        if not delimiter:
            raise LiteralError(start, "raw literal without its delimiter")
        closing = ")" + delimiter.group(1) + '"'
        end = text.find(closing, quote_at + delimiter.end())
        if end < 0:
            raise LiteralError(start, "raw literal without its end")
        end += len(closing)
        if encoding == "" and any(ord(ch) >= 0x80 for ch in text[quote_at:end]):
            raise LiteralError(start, "a raw literal cannot carry text outside ASCII in "
                                      "Windows-1251; write it as a plain literal")
        out.append(text[start:end])
        return end
    end = quote_at + 1
    while end < len(text) and text[end] not in (quote, "\n"):
        end += 2 if text[end] == "\\" else 1
    if end >= len(text) or text[end] != quote:
        raise LiteralError(start, "literal without its closing %s" % quote)
    body = text[quote_at + 1:end]
    if encoding == "":
        body = plain_body(body, start)
    out.append(prefix + quote + body + quote)
    return end + 1


def copy_tree(source_root, copy_root, files):
    failed = False
    for name in files:
        source = pathlib.Path(name)
        copy = pathlib.Path(copy_root) / source.resolve().relative_to(pathlib.Path(source_root).resolve())
        try:
            converted = convert(source.read_text(encoding="utf-8"))
        except LiteralError as error:
            line = source.read_text(encoding="utf-8").count("\n", 0, error.at) + 1
            print("%s:%d: %s" % (source, line, error), file=sys.stderr)
            failed = True
            continue
        except UnicodeDecodeError as error:
            print("%s: not UTF-8: %s" % (source, error), file=sys.stderr)
            failed = True
            continue
        if copy.exists() and copy.read_text(encoding="utf-8") == converted:
            continue
        copy.parent.mkdir(parents=True, exist_ok=True)
        copy.write_text(converted, encoding="utf-8")
    return not failed


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    source_root, copy_root, stamp = argv[1:4]
    if not copy_tree(source_root, copy_root, argv[4:]):
        return 1
    pathlib.Path(stamp).touch()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
