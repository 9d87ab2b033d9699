// A click or a tap on the grid, turned into the keys a player would press:
// on a choice of the menu, the Up or Down presses that bring the highlight
// there, then Enter once the highlight stands on it; on the title, any key.
// Anywhere else nothing happens, and the game only ever sees keys.
"use strict";

(function (parts) {
  parts.need("reading", "COLUMNS", "ROWS");
  const reading = parts.reading;
  const BOX = [28, 78]; // the message box's columns, where the menu stands

  // game: waiting() (for a key, with none left), onTitle(), drawn() (the
  // frames drawn so far), press(key) and choose(moves, row, text) (the
  // moves, then Enter if the highlight has come to that choice).
  function Pointer(element, grid, game) {
    let drawnAtClick = -1;
    // Where a point stands on the grid, in cells, fractions kept.
    function cellAt(event) {
      const box = element.getBoundingClientRect();
      return [(event.clientX - box.left) / box.width * parts.COLUMNS,
        (event.clientY - box.top) / box.height * parts.ROWS];
    }

    // The index of the choice at a point, or -1. A choice owns its row and
    // half of the blank row on either side, to be easy to hit on a phone.
    function choiceAt(shown, [column, row]) {
      if (shown === null || column < BOX[0] || column >= BOX[1]) {
        return -1;
      }
      return shown.rows.findIndex((choiceRow) => Math.abs(row - choiceRow - 0.5) <= 1);
    }

    // A double click on a choice, or on the title, selects no word, which
    // is for copying.
    element.addEventListener("mousedown", (event) => {
      const onChoice = () => choiceAt(reading.menu(grid), cellAt(event)) >= 0;
      if (event.detail > 1 && (game.onTitle() || onChoice())) {
        event.preventDefault();
      }
    });

    element.addEventListener("click", (event) => {
      // A click that ends a selection is for copying, not for the game.
      if (!game.waiting() || !getSelection().isCollapsed) {
        return;
      }
      // The second click of a double click means what the first meant:
      // once the first has chosen (a frame was drawn since), it chooses
      // nothing, so that a habit of double-clicking never buys in the shop
      // it opened nor skips a page unread.
      if (event.detail > 1 && game.drawn() !== drawnAtClick) {
        return;
      }
      drawnAtClick = game.drawn();
      if (game.onTitle()) {
        game.press("Enter");
        return;
      }
      const shown = reading.menu(grid);
      const index = choiceAt(shown, cellAt(event));
      if (index < 0 || shown.highlighted < 0) {
        return;
      }
      const move = index > shown.highlighted ? "ArrowDown" : "ArrowUp";
      game.choose(Array(Math.abs(index - shown.highlighted)).fill(move), shown.rows[index],
        shown.choices[index]);
    });

    // A mouse over a choice, or over the title, shows that it can be
    // clicked.
    element.addEventListener("mousemove", (event) => {
      const cursor = game.onTitle() || choiceAt(reading.menu(grid), cellAt(event)) >= 0
        ? "pointer" : "";
      if (element.style.cursor !== cursor) {
        element.style.cursor = cursor;
      }
    });
  }

  parts.Pointer = Pointer;
})(window.ancientEvil = window.ancientEvil || {});
