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
  // A browser that cannot run the game has been told so (browser-check.js).
  if (document.documentElement.hasAttribute("data-unsupported")) {
    return;
  }
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

  // The grid: a block per row, so that a key lays out only the rows it
  // changed, and the grid still selects and copies as 49 lines of text. A
  // row holds a span per run of one colour, and remembers its text and
  // runs.
  const rows = [];
  for (let row = 0; row < ROWS; row++) {
    const element = document.createElement("div");
    element.textContent = " ".repeat(COLUMNS);
    rows.push({ element, text: "", runs: [] });
  }
  screen.replaceChildren(...rows.map((row) => row.element));

  // The fewest runs of one colour that show a row, as [first column,
  // colour]. A blank shows no colour, so it joins the run it stands in.
  function colourRuns(text, colours) {
    const runs = [];
    let colour = -1;
    for (let column = 0; column < COLUMNS; column++) {
      if (text[column] !== " " && colours[column] !== colour) {
        runs.push([runs.length === 0 ? 0 : column, colours[column]]);
        colour = colours[column];
      }
    }
    return runs.length > 0 ? runs : [[0, colours[0]]];
  }

  // The runs a row shows, in the colours of its new text, if each still
  // holds text of one colour; null if one would have to split, or if the
  // row shows none yet.
  function keptRuns(runs, text, colours) {
    if (runs.length === 0) {
      return null;
    }
    const kept = [];
    for (let index = 0; index < runs.length; index++) {
      const [start, shown] = runs[index];
      const end = index + 1 < runs.length ? runs[index + 1][0] : COLUMNS;
      let colour = -1;
      for (let column = start; column < end; column++) {
        if (text[column] === " " || colours[column] === colour) {
          continue;
        }
        if (colour !== -1) {
          return null;
        }
        colour = colours[column];
      }
      kept.push([start, colour === -1 ? shown : colour]);
    }
    return kept;
  }

  // The text of each run, from its first column to the next run's.
  function runTexts(runs, text) {
    return runs.map(([start], index) =>
      text.slice(start, index + 1 < runs.length ? runs[index + 1][0] : COLUMNS));
  }

  // Redraws one row. It keeps its spans while each still holds text of one
  // colour, and only the texts and colours that differ are written: the
  // browser then lays out again only what changed, and a highlight that
  // moves is only recoloured. Otherwise the row gets the fewest runs anew.
  function drawRow(row, text, colours) {
    const kept = keptRuns(row.runs, text, colours);
    const runs = kept || colourRuns(text, colours);
    const parts = runTexts(runs, text);
    if (kept) {
      const shownParts = runTexts(row.runs, row.text);
      runs.forEach(([, colour], index) => {
        const span = row.element.children[index];
        if (colour !== row.runs[index][1]) {
          span.className = "c" + colour;
        }
        if (parts[index] !== shownParts[index]) {
          span.firstChild.data = parts[index];
        }
      });
    } else {
      row.element.replaceChildren(...runs.map(([, colour], index) => {
        const span = document.createElement("span");
        span.className = "c" + colour;
        span.textContent = parts[index];
        return span;
      }));
    }
    row.runs = runs;
    row.text = text;
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
    showRows(updates) {
      if (state === "loading") {
        setState("playing");
        performance.mark("ancient-evil: first frame");
      }
      for (const update of updates) {
        drawRow(rows[update.row], update.text, update.colours);
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
    // The grid drawn for a larger window may overflow this one, and the
    // scroll bar it brings would narrow the window measured; it goes
    // once the grid fits, so the grid is first made small.
    screen.style.fontSize = SMALLEST_FONT_PX + "px";
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

  // For tools that measure the page's drawing (tools/web/page_bench.py),
  // and the sign for browser-check.js that this script has set up.
  window.ancientEvilPage = { showRows: page.showRows };

  startGame();
})();
