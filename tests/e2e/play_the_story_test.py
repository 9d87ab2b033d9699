"""A player's road by ear, in a real terminal: the game told in plain lines
(--screen-reader), every choice made from what was said, as a blind player
makes it. The opening, the seer's errand, a fight won in the swamp, and out
through the exit confirmation; not one escape sequence on the way, and the
terminal's modes given back at the end."""

import os
import re
import sys
import termios
import unittest

from pty_terminal import PtyTerminal

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
CHOICE_SAID = re.compile(r"(\d) из (\d): ([^\r\n]*)\r\n")


class PlayTheStoryByEar(unittest.TestCase):
    def setUp(self):
        self.term = PtyTerminal(BINARY, ASSETS, arguments=["--screen-reader"])
        self.addCleanup(self.term.close)
        self.heard = 0  # how much of the output the test has listened to

    def said(self, wanted):
        """What is said from where the test last listened to the end of the
        line that holds `wanted`."""
        wanted = wanted.encode()
        output = self.term.output
        while wanted not in output[self.heard:] or \
                b"\r\n" not in output[output.index(wanted, self.heard):]:
            self.term.read_more()
            output = self.term.output
        end = output.index(b"\r\n", output.index(wanted, self.heard)) + 2
        heard, self.heard = output[self.heard:end], end
        return heard.decode()

    def said_ending(self, pattern):
        """What is said until a line matches the pattern."""
        heard = ""
        while not re.search(pattern, heard):
            heard += self.said("\r\n")
        return heard

    def press(self, key, then):
        self.term.type(key.encode())
        return self.said(then)

    def choose(self, text, then):
        """Takes the choice that reads `text`: its digit, heard back, then Enter."""
        for digit in "12345":
            heard = self.press(digit, " из ")
            choice = CHOICE_SAID.search(heard)
            if choice and choice.group(3).startswith(text):
                return self.press("\r", then)
        self.fail("no choice reads " + text)

    def test_seer_errand_a_won_fight_and_leaving(self):
        self.said("R (русская К) повторяет весь экран.\r\n")
        self.said("Нажмите любую клавишу...")
        self.press("x", "1 из 1: Далее.")
        for page in ("Похоже, его мечта сбылась...", "Джек возвращался из паба домой",
                     "Судя по виду, этому человеку", "1 из 3: ЭЭ!? Ты куда?"):
            self.press("\r", page)
        self.press("\r", "1 из 5: Хм, а что я сейчас делаю-то?")
        status = self.press("h", "\r\n")
        self.assertIn("Здоровье: 50 из 50. Деньги: 500 рублей.", status)

        self.choose("Пойду мочить врагов", "Нужно сначала узнать, куда идти.")
        self.choose("Пойду к провидице", "Зачем ты пришел сюда?")
        self.choose("Рассказать о Древнем Зле", "1 из 2: Я принес лапку.")
        self.choose("Пойду-ка я", " из 5: ")
        self.choose("Пойду мочить врагов", "мерзких тварей.")
        fight = self.choose("Искать врага", "1 из 3: Атаковать врага.")
        self.assertRegex(fight, r"Идет битва с .+\.\r\nУ врага \d+ HP\.")
        for _ in range(40):
            self.term.type(b"\r")
            # A round ends with the enemy's hit points; the kill, with the reward.
            round_said = self.said_ending(r"(У врага \d+ HP|Деньги: \d+ рубл\w+)\.\r\n")
            self.assertRegex(round_said, r"Джек ранил .+ на \d+ HP")
            if "Джек убил " in round_said:
                break
            self.assertRegex(round_said, r"ранила? Джека на \d+ HP\.\r\nЗдоровье: \d+ из 50\.")
        self.press("x", "1 из 3: Искать врага.")  # the victory stays until a key
        self.choose("Уйти в город", " из 5: ")
        self.choose("Пойду я нафиг из игры", "Действительно выйти?")
        self.press("\r", "Игра окончена.\r\n")
        self.assertEqual(self.term.read_to_the_end(), 0)

        # Neither ESC nor the one-character CSI, in UTF-8 or as a raw byte.
        text = self.term.output.decode("utf-8")
        self.assertFalse("\x1b" in text or "\x9b" in text, "an escape sequence was written")
        modes = termios.tcgetattr(self.term.master)[3]
        self.assertEqual(modes & (termios.ICANON | termios.ECHO), termios.ICANON | termios.ECHO,
                         "the terminal left in raw mode")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])
