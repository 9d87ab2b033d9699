// A click or a tap on the grid, turned into what a player would do with
// the keys: on a choice of the menu, the Up or Down presses that bring the
// highlight there, then Enter once the highlight stands on it; on the
// title or a page of the story, Enter; after the end, a new game. Where
// the choices stand comes from the record of the frame on view, and a
// choice owns its own row only, so that a tap between two chooses neither.
// Anywhere else nothing happens, and the game only ever sees keys.
"use strict";

(function (parts) {
  parts.need("COLUMNS", "ROWS", "goingOn", "choiceTarget");

  // What a tap at a cell ([column, row], fractions kept) does on a record:
  // a choice ({id, choice}), going on ({id, key} or {id, again}), or null.
  function targetAt(record, [column, row]) {
    if (record === null) {
      return null;
    }
    const menu = record.menu;
    const index = record.over || column < menu.left || column >= menu.right ? -1
      : menu.rows.findIndex((choiceRow) => row >= choiceRow && row < choiceRow + 1);
    return index >= 0 ? parts.choiceTarget(record, index) : parts.goingOn(record);
  }

  // game: shown() (the record of the frame on view), taps (parts.Taps)
  // and act(target) (does what a target says, if the game can take it).
  function Pointer(element, game) {
    // Where a point stands on the grid, in cells, fractions kept.
    function cellAt(event) {
      const box = element.getBoundingClientRect();
      return [(event.clientX - box.left) / box.width * parts.COLUMNS,
        (event.clientY - box.top) / box.height * parts.ROWS];
    }

    // A double click on what a click acts on selects no word, which is for
    // copying.
    element.addEventListener("mousedown", (event) => {
      if (event.detail > 1 && targetAt(game.shown(), cellAt(event)) !== null) {
        event.preventDefault();
      }
    });

    element.addEventListener("click", (event) => {
      // A click that ends a selection is for copying, not for the game.
      if (!getSelection().isCollapsed) {
        return;
      }
      const cell = cellAt(event);
      const target = game.taps.take(event, (record) => targetAt(record, cell));
      if (target !== null) {
        game.act(target);
      }
    });

    // A mouse over what a click acts on shows that it can be clicked.
    element.addEventListener("mousemove", (event) => {
      const cursor = targetAt(game.shown(), cellAt(event)) !== null ? "pointer" : "";
      if (element.style.cursor !== cursor) {
        element.style.cursor = cursor;
      }
    });
  }

  parts.Pointer = Pointer;
})(window.ancientEvil = window.ancientEvil || {});
