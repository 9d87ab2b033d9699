"""The careful automatic player's seeded game from the native build
(ae-playthrough), as the keys a player types on the page and the frames
the page must show after each."""

import subprocess

from page_browser import ROWS

# A wall clock late in 2025 whose low 32 bits are 1: the page's game then
# plays with seed 1, the careful player's winning game.
CLOCK_FOR_SEED_1 = 411 * 2 ** 32 + 1


class Playthrough:
    """The careful automatic player's game as ae-playthrough prints it:
    frames (rows of text, rows of colour digits), the screen of each, the
    key byte read after each and what each tells a screen reader."""

    def __init__(self, program, assets, seed=1, runner=()):
        output = subprocess.run([*runner, program, "--seed", str(seed), "--data", assets],
                                capture_output=True, check=True).stdout.decode("utf-8")
        lines = output.split("\n")
        self.seed = int(lines[0].split()[1])
        self.outcome = lines[1].split()[1]
        count = int(lines[2].split()[1])
        self.frames, self.screens, self.keys, self.said = [], [], [], []
        at = 3
        for _ in range(count):
            _, _, _, screen, _, key = lines[at].split()
            self.said.append(lines[at + 1][len("said "):])
            rows = [line[:-1] for line in lines[at + 2:at + 2 + 2 * ROWS]]
            self.frames.append((rows[:ROWS], rows[ROWS:]))
            self.screens.append(int(screen))
            self.keys.append(int(key))
            at += 2 + 2 * ROWS

    def page_keys(self):
        """The keys a player types on the page for this game, each with the
        index of the frame on view once the game has read it."""
        keys = []
        i = 0
        while i + 1 < len(self.frames):
            byte = self.keys[i]
            if byte == 224:
                keys.append(({72: "ArrowUp", 80: "ArrowDown"}[self.keys[i + 1]], i + 2))
                i += 2
            else:
                keys.append(("Enter" if byte == 13 else bytes([byte]).decode("cp1251"), i + 1))
                i += 1
        return keys


def same_screen(screen, frame):
    """Where a screen read from the page differs from a frame: the text of
    every cell, and the colour of every cell that shows a character (a
    blank shows no colour, and the page draws it in its neighbour's)."""
    texts, colours = frame
    differences = []
    for row, ((shown_text, shown_colours), text, colour_row) in enumerate(
            zip(screen, texts, colours)):
        if shown_text != text:
            differences.append("row %d text:\n  page  |%s|\n  frame |%s|" % (row, shown_text, text))
            continue
        for column, ch in enumerate(text):
            if ch != " " and shown_colours[column] != colour_row[column]:
                differences.append("row %d column %d: colour %s on the page, %s in the frame"
                                   % (row, column, shown_colours[column], colour_row[column]))
                break
    return differences
