// The game's page: shows the console the game draws, hands the game the
// player's keys, fits the grid to the window, and starts a new game when
// one has ended. The game is the module of ancient-evil.js
// (createAncientEvil), which calls the page's showRows, nextKey and
// gameOver (src/platform/web/browser_page.cpp).
//
// For tests and tools, #console tells where the game is: data-state is
// "loading", "playing", "over" or "failed"; aria-busy is "false" while the
// game waits for a key with none left to read; data-frames counts the
// frames drawn.
"use strict";

(function () {
  const COLUMNS = 80;
  const ROWS = 49;
  // Keys the browser would act on itself (scroll, press a button).
  const GAME_KEYS = new Set(["ArrowUp", "ArrowDown", "Enter", " "]);
  const SMALLEST_FONT_PX = 3;

  const screen = document.getElementById("console");
  const controls = document.getElementById("controls");
  const keyButtons = Array.from(document.querySelectorAll("#controls .key"));
  const again = document.getElementById("again");
  const problem = document.getElementById("problem");

  // The grid: a span per row with a line feed between, so that it reads,
  // selects and copies as 49 lines of text; a row holds a span per run of
  // one colour.
  const lines = [];
  screen.textContent = "";
  for (let row = 0; row < ROWS; row++) {
    const line = document.createElement("span");
    line.textContent = " ".repeat(COLUMNS);
    lines.push(line);
    screen.appendChild(line);
    if (row + 1 < ROWS) {
      screen.appendChild(document.createTextNode("\n"));
    }
  }

  function run(text, colour) {
    const span = document.createElement("span");
    span.className = "c" + colour;
    span.textContent = text;
    return span;
  }

  // Redraws one row. A blank shows no colour, so it joins the run it
  // stands in, and a row needs as few spans as it has colours of text.
  function drawRow(line, text, colours) {
    const runs = [];
    let start = 0;
    let colour = -1;
    for (let column = 0; column < COLUMNS; column++) {
      if (text[column] === " ") {
        continue;
      }
      if (colour === -1) {
        colour = colours[column];
      } else if (colours[column] !== colour) {
        runs.push(run(text.slice(start, column), colour));
        start = column;
        colour = colours[column];
      }
    }
    runs.push(run(text.slice(start), colour === -1 ? colours[0] : colour));
    line.replaceChildren(...runs);
  }

  let state = "loading";
  let frames = 0;
  const keys = []; // pressed and not read yet
  let wake = null; // ends the game's wait for a key

  function setState(next) {
    state = next;
    screen.dataset.state = next;
    const over = next === "over" || next === "failed";
    again.hidden = next !== "over";
    for (const button of keyButtons) {
      button.hidden = over;
    }
    if (over) {
      screen.setAttribute("aria-busy", "false");
    }
  }

  function press(key) {
    if (state !== "loading" && state !== "playing") {
      return;
    }
    if (wake !== null) {
      const resume = wake;
      wake = null;
      screen.setAttribute("aria-busy", "true");
      resume(key);
    } else {
      keys.push(key);
    }
  }

  // What the game's module calls.
  const page = {
    showRows(rows) {
      if (state === "loading") {
        setState("playing");
        performance.mark("ancient-evil: first frame");
      }
      for (const row of rows) {
        drawRow(lines[row.row], row.text, row.colours);
      }
      frames++;
      screen.dataset.frames = String(frames);
    },
    nextKey() {
      if (keys.length > 0) {
        return Promise.resolve(keys.shift());
      }
      screen.setAttribute("aria-busy", "false");
      return new Promise((resolve) => {
        wake = resolve;
      });
    },
    gameOver() {
      setState("over");
    },
  };

  function fail(reason) {
    setState("failed");
    problem.textContent = "Игра остановилась: " + reason +
      ". Обновите страницу, чтобы начать заново.";
    problem.hidden = false;
  }

  function startGame() {
    keys.length = 0;
    wake = null;
    setState("loading");
    screen.setAttribute("aria-busy", "true");
    if (typeof createAncientEvil !== "function") {
      fail("не загрузился файл ancient-evil.js");
      return;
    }
    createAncientEvil({
      page: page,
      print: () => {},
      printErr: (text) => console.warn(text),
      onAbort: (what) => fail(String(what)),
    }).catch((error) => fail(String(error)));
  }

  document.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey || event.isComposing) {
      return; // the browser's own shortcuts
    }
    if (state !== "loading" && state !== "playing") {
      return; // the page's buttons take the keys then
    }
    if (GAME_KEYS.has(event.key) || event.key.length === 1) {
      event.preventDefault();
    }
    press(event.key);
  });

  for (const button of keyButtons) {
    // A tap or a click is a key; the button never takes the focus, so
    // that the keyboard keeps playing the game.
    button.addEventListener("mousedown", (event) => event.preventDefault());
    button.addEventListener("click", () => press(button.dataset.key));
  }
  again.addEventListener("click", () => {
    again.blur();
    startGame();
  });

  // The largest font size at which the whole grid and the buttons fit the
  // window, the grid keeping its shape. Rows are whole pixels at some
  // sizes, so the size is searched for, each try measured.
  function fit() {
    const style = getComputedStyle(document.querySelector("main"));
    const gap = parseFloat(style.rowGap) || 0;
    const width = document.documentElement.clientWidth - parseFloat(style.paddingLeft) -
      parseFloat(style.paddingRight);
    const height = document.documentElement.clientHeight - parseFloat(style.paddingTop) -
      parseFloat(style.paddingBottom) - gap - controls.offsetHeight -
      (problem.hidden ? 0 : problem.offsetHeight + gap);
    const fits = (size) => {
      screen.style.fontSize = size + "px";
      const box = screen.getBoundingClientRect();
      return box.width <= width && box.height <= height;
    };
    let small = SMALLEST_FONT_PX;
    let large = Math.max(small, Math.min(width / (COLUMNS * 0.5), height / ROWS));
    while (large - small > 0.05) {
      const middle = (small + large) / 2;
      if (fits(middle)) {
        small = middle;
      } else {
        large = middle;
      }
    }
    screen.style.fontSize = small + "px";
  }

  window.addEventListener("resize", fit);
  document.fonts.load('16px "Ancient Evil Mono"').then(fit, fit);
  fit();

  // For tools that measure the page's drawing (tools/web/page_bench.py).
  window.ancientEvilPage = { showRows: page.showRows };

  startGame();
})();
