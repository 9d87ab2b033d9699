// A click or a tap on the grid, turned into the keys a player would press:
// on a choice of the menu, the Up or Down presses that bring the highlight
// there, then Enter once the highlight stands on it; on the title, any key.
// Where the choices stand comes from the record of the frame on view.
// Anywhere else nothing happens, and the game only ever sees keys.
"use strict";

(function (parts) {
  parts.need("COLUMNS", "ROWS");

  // game: shown() (the record of the frame on view), waiting() (for a
  // key, with none left), onTitle(), drawn() (the frames drawn so far),
  // press(key) and choose(moves, row, text) (the moves, then Enter if the
  // highlight has come to that choice).
  function Pointer(element, game) {
    let drawnAtClick = -1;
    // Where a point stands on the grid, in cells, fractions kept.
    function cellAt(event) {
      const box = element.getBoundingClientRect();
      return [(event.clientX - box.left) / box.width * parts.COLUMNS,
        (event.clientY - box.top) / box.height * parts.ROWS];
    }

    // The index of the choice at a point, or -1. A choice owns its row
    // across the box it stands in, and half of the blank row on either
    // side, to be easy to hit on a phone.
    function choiceAt([column, row]) {
      const shown = game.shown();
      if (shown === null) {
        return -1;
      }
      const menu = shown.menu;
      if (column < menu.left || column >= menu.right) {
        return -1;
      }
      return menu.rows.findIndex((choiceRow) => Math.abs(row - choiceRow - 0.5) <= 1);
    }

    // A double click on a choice, or on the title, selects no word, which
    // is for copying.
    element.addEventListener("mousedown", (event) => {
      if (event.detail > 1 && (game.onTitle() || choiceAt(cellAt(event)) >= 0)) {
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
      const index = choiceAt(cellAt(event));
      const menu = index < 0 ? null : game.shown().menu;
      if (menu === null || menu.highlighted < 0) {
        return;
      }
      const move = index > menu.highlighted ? "ArrowDown" : "ArrowUp";
      game.choose(Array(Math.abs(index - menu.highlighted)).fill(move), menu.rows[index],
        menu.choices[index]);
    });

    // A mouse over a choice, or over the title, shows that it can be
    // clicked.
    element.addEventListener("mousemove", (event) => {
      const cursor = game.onTitle() || choiceAt(cellAt(event)) >= 0 ? "pointer" : "";
      if (element.style.cursor !== cursor) {
        element.style.cursor = cursor;
      }
    });
  }

  parts.Pointer = Pointer;
})(window.ancientEvil = window.ancientEvil || {});
