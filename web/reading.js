// What the game shows, read back from its grid in words, for the
// narration and the pointer. Every screen draws in the same places: the
// hero's status column on the left, the message box at columns 28 to 77,
// rows 30 to 46, with the message lines from row 32 and the menu from
// column 32, row 36, a choice every second row numbered "1 - ", "2 - "...
// and the highlighted one green; a fight's blows on rows 27 and 28. A
// grid here is anything with text(row) and colour(column, row).
"use strict";

(function (parts) {
  const MENU_COLUMN = 32;
  const MENU_ROW = 36;
  const MENU_MOST = 5;
  const HIGHLIGHT = 2; // green
  const BOX_INSIDE = [29, 77]; // columns inside the message box
  const MESSAGE_ROWS = [32, 33, 34];
  const ACTION_ROWS = [27, 28];
  const PANEL_INSIDE = [3, 26]; // columns inside the status column's boxes
  const HERO_NAME = "Джек Белибье";
  const ROWS = 49;

  const clean = (text) => text.replace(/\s+/g, " ").trim();
  const inside = (grid, row, [from, to]) => clean(grid.text(row).slice(from, to));
  const said = (grid, rows, columns) =>
    rows.map((row) => inside(grid, row, columns)).filter((line) => line !== "").join(" ");

  // The menu on view: its choices' texts and rows, and which is
  // highlighted (-1 if none is); null where no choice numbered 1 stands.
  function menu(grid) {
    const choices = [];
    const rows = [];
    let highlighted = -1;
    for (let index = 0; index < MENU_MOST; index++) {
      const row = MENU_ROW + 2 * index;
      const number = index + 1 + " - ";
      const text = grid.text(row);
      if (text.substr(MENU_COLUMN, number.length) !== number) {
        break;
      }
      choices.push(clean(text.slice(MENU_COLUMN + number.length, BOX_INSIDE[1])));
      rows.push(row);
      if (grid.colour(MENU_COLUMN, row) === HIGHLIGHT) {
        highlighted = index;
      }
    }
    return choices.length > 0 ? { choices, rows, highlighted } : null;
  }

  // "2 из 3: Выпить лечебное зелье", or "" without a highlighted choice.
  function choiceSaid(shown) {
    if (shown === null || shown.highlighted < 0) {
      return "";
    }
    return (shown.highlighted + 1) + " из " + shown.choices.length + ": " +
      shown.choices[shown.highlighted];
  }

  // The words of a screen without the status column and the message box,
  // as the title: every stretch of two words or more between wide gaps,
  // the pictures' strokes and single letters left out.
  function words(grid) {
    const found = [];
    for (let row = 0; row < ROWS; row++) {
      for (const stretch of grid.text(row).split(/\s{2,}/)) {
        const letters = stretch.replace(/^[^\wА-яЁё]+|[^\wА-яЁё.!?]+$/g, "");
        if ((letters.match(/[A-Za-zА-яЁё]{2,}/g) || []).length >= 2) {
          found.push(letters);
        }
      }
    }
    return found.join(". ");
  }

  // The hero's status as the status column shows it, or "" where it is
  // not on view; in a fight, the enemy's hit points too.
  function heroStatus(grid) {
    if (grid.text(17).indexOf(HERO_NAME) < 0) {
      return "";
    }
    const points = inside(grid, 18, PANEL_INSIDE).match(/-?\d+/g) || ["?", "?"];
    const potions = inside(grid, 45, [4, 12]).match(/\d+/) || ["0"];
    let status = "Здоровье " + points[0] + " из " + points[1] + ". Деньги: " +
      inside(grid, 19, [4, 25]) + ". Лечебных зелий: " + potions[0] + ". Оружие: " +
      inside(grid, 24, PANEL_INSIDE) + ".";
    if (said(grid, [37, 38, 39, 40, 41, 42, 43, 44], [17, 25]) !== "") {
      status += " При себе трофей для задания.";
    }
    const enemy = inside(grid, 9, BOX_INSIDE).match(/^(-?\d+) HP$/);
    return enemy ? status + " У врага " + enemy[1] + " HP." : status;
  }

  parts.reading = {
    menu,
    choiceSaid,
    words,
    heroStatus,
    messageLines: (grid) => said(grid, MESSAGE_ROWS, BOX_INSIDE),
    actionLines: (grid) => said(grid, ACTION_ROWS, [28, 79]),
  };
})(typeof window === "object" ? (window.ancientEvil = window.ancientEvil || {}) : module.exports);
