// The grid as large as the window allows. On a touch screen, or where the
// grid's rows would be too small to aim at, the panel of buttons and
// message lines (panel.js) stands under the grid or beside it, wherever
// the grid is left larger: under it on a phone held upright, beside it on
// one held sideways. Where the grid is too small to read even so, a note
// over its top asks for a larger window until the player closes it, and
// the game plays on.
"use strict";

(function (parts) {
  parts.need("ROWS");
  const SMALLEST_FONT_PX = 3;
  const READABLE_FONT_PX = 6;
  // Rows lower than this are too small to aim at with a mouse.
  const AIMED_ROW_PX = 12;

  // panel: parts.Panel, to be shown or not; notice: the note, closed by
  // its button.
  function fitToWindow(screen, panel, notice) {
    const main = screen.closest("main");
    let closed = false;
    notice.querySelector("button").addEventListener("click", () => {
      closed = true;
      notice.hidden = true;
    });
    const root = document.documentElement;
    const touch = window.matchMedia ? matchMedia("(pointer: coarse)") : { matches: false };

    // Whether the page fits the window with the grid at a size: nothing to
    // scroll to, and the grid, which overflows its place on both sides
    // alike, within main's padding.
    function fits(size) {
      screen.style.fontSize = size + "px";
      return root.scrollWidth <= root.clientWidth && root.scrollHeight <= root.clientHeight &&
        screen.getBoundingClientRect().left >= parseFloat(getComputedStyle(main).paddingLeft);
    }

    // The largest font size at which the page fits the window, the grid
    // keeping its shape. Rows are whole pixels at some sizes, so the size
    // is searched for, each try laid out and measured. The grid drawn for
    // a larger window may overflow this one, and the scroll bar it brings
    // would narrow the window measured; it goes once the grid fits, so the
    // grid is first made small.
    function largest() {
      let small = SMALLEST_FONT_PX;
      if (!fits(small)) {
        return small;
      }
      let large = Math.max(small, root.clientHeight / parts.ROWS);
      while (large - small > 0.05) {
        const middle = (small + large) / 2;
        if (fits(middle)) {
          small = middle;
        } else {
          large = middle;
        }
      }
      screen.style.fontSize = small + "px";
      return small;
    }

    function arrange(on, beside) {
      panel.setOn(on);
      main.classList.toggle("beside", beside);
    }

    function fit() {
      arrange(false, false);
      let size = largest();
      const rowHeight = screen.getBoundingClientRect().height / parts.ROWS;
      if (touch.matches || rowHeight < AIMED_ROW_PX) {
        let beside = false;
        arrange(true, false);
        size = largest();
        arrange(true, true);
        const besideSize = largest();
        if (besideSize > size) {
          beside = true;
          size = besideSize;
        }
        arrange(true, beside);
      }
      screen.style.fontSize = size + "px";
      notice.hidden = closed || size >= READABLE_FONT_PX;
    }

    window.addEventListener("resize", fit);
    if (touch.addListener) {
      touch.addListener(fit);
    }
    if (document.fonts) {
      document.fonts.load('16px "Ancient Evil Mono"').then(fit, fit);
    }
    fit();
    return fit;
  }

  parts.fitToWindow = fitToWindow;
})(window.ancientEvil = window.ancientEvil || {});
