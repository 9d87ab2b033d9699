// The grid as large as the window allows, the buttons under it. Where it
// would be too small to read, as on a phone held sideways, a notice asks
// for the phone turned upright or a larger window, and the game plays on
// under it.
"use strict";

(function (parts) {
  parts.need("COLUMNS", "ROWS");
  const SMALLEST_FONT_PX = 3;
  const READABLE_FONT_PX = 6;

  function fitToWindow(screen, controls, notice) {
    const main = screen.closest("main");

    // The largest font size at which the whole grid and the buttons fit
    // the window, the grid keeping its shape. Rows are whole pixels at
    // some sizes, so the size is searched for, each try measured.
    function fit() {
      // The grid drawn for a larger window may overflow this one, and the
      // scroll bar it brings would narrow the window measured; it goes
      // once the grid fits, so the grid is first made small.
      screen.style.fontSize = SMALLEST_FONT_PX + "px";
      const style = getComputedStyle(main);
      const gap = parseFloat(style.rowGap) || 0;
      const width = document.documentElement.clientWidth - parseFloat(style.paddingLeft) -
        parseFloat(style.paddingRight);
      const height = document.documentElement.clientHeight - parseFloat(style.paddingTop) -
        parseFloat(style.paddingBottom) - gap - controls.offsetHeight;
      const fits = (size) => {
        screen.style.fontSize = size + "px";
        const box = screen.getBoundingClientRect();
        return box.width <= width && box.height <= height;
      };
      let small = SMALLEST_FONT_PX;
      let large = Math.max(small, Math.min(width / (parts.COLUMNS * 0.5), height / parts.ROWS));
      while (large - small > 0.05) {
        const middle = (small + large) / 2;
        if (fits(middle)) {
          small = middle;
        } else {
          large = middle;
        }
      }
      screen.style.fontSize = small + "px";
      notice.hidden = small >= READABLE_FONT_PX;
    }

    window.addEventListener("resize", fit);
    if (document.fonts) {
      document.fonts.load('16px "Ancient Evil Mono"').then(fit, fit);
    }
    fit();
  }

  parts.fitToWindow = fitToWindow;
})(window.ancientEvil = window.ancientEvil || {});
