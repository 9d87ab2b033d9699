#!/usr/bin/env python3
"""Every include in src/ points down the layers, never up or sideways.

The layers, their folders and what each links come from
cmake/game_layers.cmake, the same list the build makes its libraries from.
A layer may include its own headers and those of the layers it uses,
directly or through others; a backend (src/platform/posix, windows, web)
the platform layer's, the xterm encoder's and its own; src/main.cpp
anything. So core never reaches a screen, and nothing outside src/platform
names a backend.
"""
import pathlib
import re
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SRC = ROOT / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def read_layers():
    text = (ROOT / "cmake" / "game_layers.cmake").read_text()
    settings = dict(re.findall(r"^set\((AE_LAYER\w*)[ \t]*([^)\n]*)\)", text, re.MULTILINE))
    layers = settings["AE_LAYERS"].split()
    folders = {layer: settings["AE_LAYER_FOLDER_" + layer].strip() for layer in layers}
    uses = {layer: settings.get("AE_LAYER_USES_" + layer, "").split() for layer in layers}
    return layers, folders, uses


LAYERS, FOLDERS, USES = read_layers()


def reachable(layer):
    seen = {layer}
    todo = [layer]
    while todo:
        for below in USES[todo.pop()]:
            if below not in seen:
                seen.add(below)
                todo.append(below)
    return seen


def unit_of(path_in_repo):
    """The layer or backend a file of src/ (or an include path) belongs to."""
    folder = str(pathlib.PurePosixPath(path_in_repo).parent)
    for layer, layer_folder in FOLDERS.items():
        if folder == layer_folder:
            return layer
    if folder.startswith("src/platform/"):
        return "backend:" + folder.split("/")[2]
    return None


def allowed_units(unit):
    if unit.startswith("backend:"):
        return {unit, "platform", "xterm"}
    return reachable(unit)


def violations():
    found = []
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.name == "main.cpp":
            continue
        relative = path.relative_to(ROOT).as_posix()
        unit = unit_of(relative)
        if unit is None:
            found.append(f"{relative}: in no layer's folder (cmake/game_layers.cmake)")
            continue
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target = unit_of("src/" + included)
            if target is not None and target not in allowed_units(unit):
                found.append(f"{relative}: {unit} includes {included} ({target})")
    return found


class Layers(unittest.TestCase):
    def test_every_include_points_down(self):
        self.assertEqual(violations(), [])

    def test_the_rule_is_the_one_the_game_means(self):
        # A sanity check of the reading of the CMake list itself: core does
        # not reach the screens, console does not reach the terminal bytes.
        self.assertNotIn("screens", allowed_units("core"))
        self.assertNotIn("xterm", allowed_units("console"))
        self.assertIn("platform", allowed_units("game"))
        self.assertEqual(unit_of("src/platform/posix/terminal_io.h"), "backend:posix")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
