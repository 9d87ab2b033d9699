// What a tap or a click on the page may do, on the grid and on the
// buttons alike: only what stood under it when the player saw it. Taps
// closer together than BURST_MS make one burst, all aimed at the frame on
// view when its first one came down, for no one reads a new screen that
// fast. So four quick taps on "Пойду в магазин" open the shop and buy
// nothing there, however the browser counts them, while quick taps on a
// fight's "Атаковать врага", which still stands there, strike a blow each.
"use strict";

(function (parts) {
  const BURST_MS = 500;

  // What a tap on a frame does where nothing is chosen (the record on view
  // or null): after the end it starts a new game; on the title, a page of
  // the story and any frame without choices it goes on, as a key would.
  // Its id tells it from what a tap on another frame does.
  function goingOn(record) {
    if (record === null) {
      return null;
    }
    if (record.over) {
      return { id: "again", again: true };
    }
    if (record.kind === "title" || record.kind === "story" || record.menu.choices.length === 0) {
      return { id: [record.kind].concat(record.lines).join("\n"), key: "Enter" };
    }
    return null;
  }

  // A choice of the menu: tapped at the same place in two frames, it is
  // the same choice if its text is.
  function choiceTarget(record, index) {
    return { id: record.kind + "\n" + record.menu.choices[index], choice: index };
  }

  // shown(): the record on view; drawn(): the frames drawn so far.
  function Taps(shown, drawn) {
    let downOn = null; // the record on view when a finger or a button came down
    let pointer = "mouse"; // what came down last
    let lastTap = -Infinity;
    let aimedAt = null; // the record the burst is aimed at
    let drawnAtClick = -1;

    function down(type, record) {
      pointer = type;
      downOn = record;
    }
    if (window.PointerEvent) {
      document.addEventListener("pointerdown", (event) => down(event.pointerType, shown()), true);
    } else {
      // Safari 12 has no pointer events; after a touch it sends a mouse's
      // events too, which come down on what the finger came down on.
      document.addEventListener("touchstart", () => down("touch", shown()), true);
      document.addEventListener("mousedown", () => {
        if (downOn === null) {
          down("mouse", shown());
        }
      }, true);
    }

    return {
      // What a tap or a click ending now does: `at(record)` finds what it
      // would do on a record at its place, and it does that on the frame on
      // view only if it would have done the same on the frame aimed at.
      // null: nothing.
      take(event, at) {
        const now = performance.now();
        if (now - lastTap >= BURST_MS) {
          aimedAt = downOn || shown();
        }
        lastTap = now;
        downOn = null;
        const type = event.pointerType || pointer;
        // The second click of a mouse's double click means what the first
        // meant: once the first has chosen (a frame was drawn since), it
        // chooses nothing, so that a habit of double-clicking never skips a
        // page unread.
        if (type !== "touch" && type !== "pen" && event.detail > 1 &&
            drawn() !== drawnAtClick) {
          return null;
        }
        drawnAtClick = drawn();
        const aimed = aimedAt === null ? null : at(aimedAt);
        const found = at(shown());
        return aimed !== null && found !== null && aimed.id === found.id ? found : null;
      },
    };
  }

  parts.Taps = Taps;
  parts.TAP_BURST_MS = BURST_MS;
  parts.goingOn = goingOn;
  parts.choiceTarget = choiceTarget;
})(window.ancientEvil = window.ancientEvil || {});
