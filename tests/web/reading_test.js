// web/reading.js on screens made up here, under node: where menus end, no
// highlight, the title's words without its pictures, the status column's
// numbers, a trophy and an enemy. usage: node reading_test.js
"use strict";
const assert = require("assert");
const reading = require("../../web/reading.js").reading;

// A grid of blank rows with texts placed as {row: [[column, text], ...]},
// and green (2) at the cells of the rows in `green`.
function grid(placed, green = []) {
  const rows = Array.from({ length: 49 }, (_, row) => {
    let text = " ".repeat(80);
    for (const [column, words] of placed[row] || []) {
      text = text.slice(0, column) + words + text.slice(column + words.length);
    }
    return text.slice(0, 80);
  });
  return { text: (row) => rows[row], colour: (column, row) => (green.includes(row) ? 2 : 7) };
}

const menu = { 36: [[32, "1 - Далее"]], 38: [[32, "3 - Не по порядку"]] };
assert.deepStrictEqual(reading.menu(grid(menu, [36])),
  { choices: ["Далее"], rows: [36], highlighted: 0 });
assert.strictEqual(reading.choiceSaid(reading.menu(grid(menu))), "");
assert.strictEqual(reading.choiceSaid(reading.menu(grid({ 36: [[31, "1 - Далее"]] }))), "");

const title = { 23: [[22, "-=~  Приключения Джека Белибье  ~=-"]],
  29: [[4, "|  ЗДЕСЬ  |  R.I.P. \\\\ /"]], 44: [[28, "Нажмите любую клавишу..."]] };
assert.strictEqual(reading.words(grid(title)),
  "Приключения Джека Белибье. Нажмите любую клавишу...");

const panel = { 17: [[6, "Джек Белибье"]], 18: [[8, "-3 / 50 HP"]],
  19: [[3, "\\"], [8, "1 рубль"], [25, "/|"]], 24: [[4, "Бензопила"]],
  45: [[3, "\\"], [9, "12"], [12, "/|"]] };
assert.strictEqual(reading.heroStatus(grid(panel)),
  "Здоровье -3 из 50. Деньги: 1 рубль. Лечебных зелий: 12. Оружие: Бензопила.");
assert.strictEqual(reading.heroStatus(grid({ ...panel, 40: [[18, "/\\/\\"]], 9: [[42, "16 HP"]] })),
  "Здоровье -3 из 50. Деньги: 1 рубль. Лечебных зелий: 12. Оружие: Бензопила. " +
  "При себе трофей для задания. У врага 16 HP.");
assert.strictEqual(reading.heroStatus(grid(title)), "");
console.log("reading: all passed");
