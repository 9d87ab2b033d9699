// Plays the page's module under node through the page's interface
// (Module.page: showFrame, say, nextKey, gameOver) with the seed given,
// typing the keys read as JSON from standard input, one at each key wait,
// and prints every frame shown as JSON: [rows of text, rows of colour
// digits, the sentences it tells a screen reader].
//
// usage: node play_module.js MODULE_JS SEED < KEYS_JSON
"use strict";

const createModule = require(require("path").resolve(process.argv[2]));
// The game's rolls are seeded by the low 32 bits of the wall clock.
Date.now = () => 411 * 2 ** 32 + Number(process.argv[3]);
const keys = JSON.parse(require("fs").readFileSync(0, "utf8"));
const texts = [];
const colours = [];
const frames = [];

createModule({
  arguments: [],
  page: {
    showFrame(rows, record) {
      for (const row of rows) {
        texts[row.row] = row.text;
        colours[row.row] = Array.from(row.colours, (colour) => colour.toString(16)).join("");
      }
      frames.push([texts.slice(), colours.slice(), record.news.join(" ")]);
    },
    say() {},
    // Once the keys run out, the game waits for ever and prints nothing.
    nextKey: () => (keys.length > 0 ? Promise.resolve(keys.shift()) : new Promise(() => {})),
    gameOver: () => process.stdout.write(JSON.stringify(frames)),
  },
});
