#!/usr/bin/python3
"""Puts the game's WebAssembly inside its script, so that the page also
works opened from a folder, where a browser fetches nothing, and hands it to
Emscripten's glue as the module's wasmBinary.

The bytes are a string of one character per byte (U+0000 to U+00FF, in
UTF-8), not base64: they keep their patterns, which a server's brotli or
gzip and the zip then find, so that the page weighs about what the bare
WebAssembly would.

usage: embed_module.py GLUE_JS WASM OUTPUT_JS"""

import sys

# The characters a double-quoted string cannot hold as they are.
ESCAPES = {ord("\\"): "\\\\", ord('"'): '\\"', ord("\n"): "\\n", ord("\r"): "\\r"}

# The game's WebAssembly, one character a byte, handed to the glue; the
# script carries no comment, which no player needs.
WRAPPER = """
createAncientEvil = (function (create, wasm) {
  return function (options) {
    const bytes = new Uint8Array(wasm.length);
    for (let i = 0; i < wasm.length; i++) {
      bytes[i] = wasm.charCodeAt(i);
    }
    options.wasmBinary = bytes;
    return create(options);
  };
})(createAncientEvil, "%s");
"""


def string_of_bytes(data):
    return "".join(ESCAPES.get(byte, chr(byte)) for byte in data)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.split("\n\n")[-1])
    glue_path, wasm_path, output_path = sys.argv[1:]
    with open(glue_path, encoding="utf-8") as glue, open(wasm_path, "rb") as wasm:
        script = glue.read() + WRAPPER % string_of_bytes(wasm.read())
    with open(output_path, "w", encoding="utf-8", newline="\n") as output:
        output.write(script)


if __name__ == "__main__":
    main()
