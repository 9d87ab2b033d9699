#!/usr/bin/env python3
"""Validate sprite data files and print their pictures for review.

A sprite file is Windows-1251 text with LF line endings:
  line 1      the number of sprites (decimal, nothing else);
  then, per sprite, 10 picture rows of exactly 20 characters
  (19 picture columns plus a trailing space the game discards)
  followed by one line holding the sprite's name. A monster's name line may
  carry the forms of the name separated by '|': nominative, accusative,
  instrumental, and "ж" for a feminine name.

Usage: check_sprites.py [--quiet] FILE...
Exit status: 0 when every file is valid, 1 when any is not, 2 on bad usage.
"""
import sys

ROWS = 10
ROW_WIDTH = 20
MAX_NAME = 30


def check_name(where, name):
    """Return the errors of one name line, plain or with its forms."""
    fields = name.split('|')
    forms = fields[:3]
    if not fields[0].strip():
        return [f'{where}: empty']
    if len(fields) > 4:
        return [f'{where}: {len(fields)} fields; at most nominative, accusative, '
                f'instrumental and ж']
    if len(fields) == 4 and fields[3] not in ('', 'ж', 'Ж'):
        return [f'{where}: {fields[3]!r} in the gender field; only ж (feminine) or nothing']
    for form in forms:
        if form != form.strip():
            return [f'{where}: leading or trailing spaces in {form!r}']
        if len(form) > MAX_NAME:
            return [f'{where}: {form!r} is longer than {MAX_NAME} characters']
    return []


def check_file(path, quiet=False):
    """Return (sprite count, error list) for one file; print sprites unless quiet."""
    count = 0
    errors = []
    try:
        data = open(path, 'rb').read()
    except OSError as exc:
        return count, [f'{path}: cannot read: {exc}']
    try:
        text = data.decode('cp1251')
    except UnicodeDecodeError as exc:
        return count, [f'{path}: not valid Windows-1251 at byte {exc.start}']
    if '\r' in text:
        errors.append(f'{path}: contains CR characters (LF line endings expected)')
    if not text.endswith('\n'):
        errors.append(f'{path}: last line is not terminated by a line break')
    lines = text.split('\n')
    if lines and lines[-1] == '':
        lines.pop()

    if not lines:
        return count, errors + [f'{path}: file is empty']
    head = lines[0]
    if not head.isdigit() or not head.isascii():
        return count, errors + [f'{path}:1: sprite count expected, got {head!r}']
    count = int(head)
    expected_lines = 1 + count * (ROWS + 1)
    if len(lines) != expected_lines:
        errors.append(f'{path}: {len(lines)} lines, expected {expected_lines} '
                      f'for {count} sprites')

    pos = 1
    for index in range(count):
        block = lines[pos:pos + ROWS + 1]
        if len(block) < ROWS + 1:
            errors.append(f'{path}: sprite {index} is truncated')
            break
        rows, name = block[:ROWS], block[ROWS]
        for r, row in enumerate(rows):
            where = f'{path}:{pos + r + 1}: sprite {index} row {r}'
            if len(row) != ROW_WIDTH:
                errors.append(f'{where}: {len(row)} characters, expected {ROW_WIDTH}')
            elif row[-1] != ' ':
                errors.append(f'{where}: column {ROW_WIDTH} must be a space')
            if '\t' in row:
                errors.append(f'{where}: contains a tab')
        errors += check_name(f'{path}:{pos + ROWS + 1}: sprite {index} name', name)
        if not quiet:
            print(f'--- {path} #{index}: {name}')
            for row in rows:
                print('|' + row[:ROW_WIDTH - 1] + '|')
        pos += ROWS + 1
    return count, errors


def main(argv):
    quiet = '--quiet' in argv
    paths = [a for a in argv if a != '--quiet']
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    all_errors = []
    for path in paths:
        count, errors = check_file(path, quiet)
        all_errors += errors
        if not errors:
            print(f'OK {path}: {count} sprites')
    for e in all_errors:
        print('ERROR ' + e, file=sys.stderr)
    return 1 if all_errors else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
