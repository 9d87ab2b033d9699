#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/<target>/: the
real data files from assets/ and the damaged shapes worth starting from.
Run it again after the data files change; the fuzzers only read the seeds."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.join(HERE, "..", "..", "assets")
MARK = b"\n#sprites#\n"  # fuzz_support.h: the statistics end, the sprites begin


def asset(name):
    with open(os.path.join(ASSETS, name), "rb") as f:
        return f.read()


def sprite(fill=b"=", name=b"Name", width=20, end=b"\n"):
    return b"".join((fill * 19 + b" ")[:width] + end for _ in range(10)) + name + end


def sheet(count, *sprites):
    return count + b"\n" + b"".join(sprites)


def real_sprite_seeds(name, real):
    return {
        name: real,
        name + "_crlf": real.replace(b"\n", b"\r\n"),
        name + "_truncated_in_sprite": real[: len(real) // 2],
    }


def sprite_seeds():
    good = sheet(b"2", sprite(b"a", b"First"), sprite(b"b", b"Second"))
    return {
        "octal_count": sheet(b"010", *[sprite(bytes([65 + i])) for i in range(8)]),
        "hex_count": sheet(b"0x2", sprite(), sprite()),
        "bare_hex_mark": b"0x\n" + sprite(),
        "name_without_line_break": good[:-1],
        "negative_count": sheet(b"-1", sprite()),
        "int_max_count": sheet(b"2147483647", sprite()),
        "huge_count": sheet(b"99999999999999999999", sprite()),
        "count_too_many": sheet(b"4097", sprite()),
        "short_rows": sheet(b"2", sprite(width=12), sprite()),
        "long_rows": sheet(b"2", sprite(width=20).replace(b" \n", b" overlong row\n"), sprite()),
        "long_name": sheet(b"1", sprite(name=b"N" * 300)),
        "format_names": sheet(b"2", sprite(name=b"%s%n%x%p"), sprite(name=b"%999999d")),
        "utf8": sheet(b"1", sprite(fill=b"\xd0", name="Джек".encode("utf-8"))),
        "cr_only": good.replace(b"\n", b"\r"),
        "nul_bytes": sheet(b"1", sprite(fill=b"\0", name=b"a\0b")),
        "empty": b"",
        "count_only": b"3",
        "garbage": bytes(range(256)) * 3,
    }


def stats_seeds(data, sprites, per_entry):
    def entries(count, *numbers):
        return (count + b"\n" + b" ".join(numbers)) + MARK + sprites

    return {
        "real": data + MARK + sprites,
        "real_no_sprite_file": data,
        "crlf": (data + MARK + sprites).replace(b"\n", b"\r\n"),
        "octal_and_hex": entries(b"02", *([b"010", b"0x1F", b"-0x7"] * per_entry)[: 2 * per_entry]),
        "negative_count": entries(b"-3", *[b"1"] * per_entry),
        "int_max_count": entries(b"2147483647", *[b"1"] * per_entry),
        "huge_numbers": entries(b"1", *[b"99999999999", b"-99999999999"] * per_entry),
        "int_limits": entries(b"2", *[b"2147483647", b"-2147483648"] * per_entry),
        "max_below_min": entries(b"1", *[b"50", b"5"] * per_entry),
        "fewer_stats_than_sprites": entries(b"2", *[b"3"] * (2 * per_entry)),
        "more_stats_than_sprites": entries(b"20", *[b"3"] * (20 * per_entry)),
        "short_stats": entries(b"5", b"1", b"2"),
        "words_for_numbers": entries(b"2", b"one", b"two", b"three"),
        "empty_stats": MARK + sprites,
        "empty": b"",
        "garbage": bytes(range(255, -1, -1)) * 2 + MARK + bytes(range(256)),
    }


def name_form_seeds(data):
    """Monster name lines with their forms, whole and damaged."""
    names = [b"Nom|acc|ins|\xe6", b"|", b"|" * 100, b"||||\xe6", b" a | b |  | \xc6 | extra",
             b"N" * 200 + b"|" + b"A" * 100 + b"|ins"]
    sprites = sheet(str(len(names)).encode(), *[sprite(name=n) for n in names])
    return {"name_forms": data + MARK + sprites}


def key_decoder_seeds():
    return {
        "arrows": b"\x1b[A\x1b[B\x1bOA\x1bOB\x1b[1;5A\r",
        "typed": b"x\r\r\r\r\rabcHP\n\r",
        "utf8_paste": "Джек Белибье уволился\r".encode("utf-8"),
        "other_sequences": b"\x1b[5~\x1b[200~pasted\x1b[201~\x1b[<0;10;5M\x1b[C\x1b[D",
        "broken_sequences": b"\x1b[1\r\x1bO\r\x1b\x1b[A\x1b[" + b"1" * 300 + b"\x1b",
        "high_bytes": bytes(range(128, 256)) + b"\xe0H\xe0P",
        "lone_escapes": b"\x1b" * 10 + b"\r",
        "control_strings": b"\x1b]11;rgb:0000/0000/0000\x07\x1bP1$r0m\x1b\\\x1b_Gi=1;OK\x1b\\"
                           b"\x1b^pm\x07\x1bXsos\x1b\\\x1b]2;" + "Джек".encode("utf-8") + b"\x1b[A"
                           b"\x1bPq\r\x1b]" + b"P" * 1100 + b"\x07",
        "empty": b"",
    }


# The presenter's input (fuzz_presenter.cpp): a terminal byte (bit 0: it
# loses the cursor after the last column, bit 1: it keeps synchronized
# updates whole), then steps.
def move(column, row):
    return bytes([0, column, row])


def colour(c):
    return bytes([1, c])


def text(raw, cp866=False):
    out = b""
    for i in range(0, len(raw), 255):
        chunk = raw[i:i + 255]
        out += bytes([3 if cp866 else 2, len(chunk)]) + chunk
    return out


CLEAR = bytes([4])
FRAME = bytes([5])


def wiped(ch, c):
    return bytes([6, ch, c])


def frame_border():
    bar = b"-" * 78
    rows = b"".join(move(0, r) + b"|" + move(79, r) + b"|" for r in range(1, 48))
    return colour(7) + move(0, 0) + text(b"." + bar + b".") + rows + text(b"'" + bar + b"'", True)


def presenter_seeds():
    title = asset("Title.txt").replace(b"\r", b"")
    npc = asset("NPC.txt").split(b"\n")
    portrait = b"".join(move(56, 3 + i) + text(row.rstrip(b"\r")) for i, row in enumerate(npc[1:11]))
    menu = move(32, 36) + colour(2) + text("1 - Далее".encode("cp1251")) + colour(7)
    colours = b"".join(move(0, r) + colour(r % 16) + text(bytes([65 + r % 26]) * 80)
                       for r in range(49))
    return {
        "title_then_frames": b"\2" + colour(12) + text(title) + FRAME + CLEAR + frame_border()
        + portrait + menu + FRAME + CLEAR + frame_border() + menu + FRAME,
        "every_colour": b"\0" + colours + FRAME + colour(7) + move(10, 5) + text(b" " * 50)
        + move(20, 30) + text(b" " * 300) + FRAME + CLEAR + FRAME,
        "last_column": b"\1" + b"".join(move(79, r) + text(b"|") for r in range(49)) + FRAME
        + move(78, 10) + colour(12) + text("Жж".encode("cp1251")) + FRAME,
        "wiped": b"\3" + frame_border() + menu + FRAME + wiped(ord("#"), 3) + portrait + FRAME,
        "control_characters": b"\1" + text(bytes(range(32)) + b"\x7f" + bytes(range(128, 256)))
        + FRAME + text(bytes(range(256)), True) + FRAME,
        "empty": b"",
    }


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, content in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(content)


def main():
    write("sprite_sheet", sprite_seeds())
    for name in ("NPC", "SpriteStuff", "SpriteWeapon", "SpriteMonster"):
        write("sprite_sheet", real_sprite_seeds(name, asset(name + ".txt")))
    write("weapon_catalogue", stats_seeds(asset("DataWeapon.txt"), asset("SpriteWeapon.txt"), 3))
    write("monster_catalogue", stats_seeds(asset("DataMonster.txt"), asset("SpriteMonster.txt"), 5))
    write("monster_catalogue", name_form_seeds(asset("DataMonster.txt")))
    write("key_decoder", key_decoder_seeds())
    write("presenter", presenter_seeds())
    return 0


if __name__ == "__main__":
    sys.exit(main())
