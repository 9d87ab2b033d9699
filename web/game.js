// The game's page: shows the console the game draws, hands the game the
// player's keys (from the keyboard, or a tap or a click on a choice, on
// the grid or on its button), says what happens in the game's own words
// for screen readers, and starts a new game when one has ended. The game
// is the module of ancient-evil.js (createAncientEvil), which calls the
// page's showFrame (the rows that changed and the record of what the
// frame shows), say, nextKey and gameOver
// (src/platform/web/browser_page.cpp). This script runs before the
// module's, so that it hears if that one fails to load, and starts the
// game once the page is read.
//
// For tests and tools, #console tells where the game is: data-state is
// "loading", "playing", "over" or "failed"; aria-busy is "false" while the
// game waits for a key with none left to read; data-frames counts the
// frames drawn.
"use strict";

(function (parts) {
  parts.need("Grid", "Narration", "Taps", "Pointer", "Panel", "failures", "fitToWindow",
    "keepForOffline");
  // A browser that cannot run the game has been told so (browser-check.js).
  const unsupported = () => document.documentElement.hasAttribute("data-unsupported");
  if (unsupported()) {
    return;
  }
  // Keys the browser would act on itself (scroll, press a button).
  const GAME_KEYS = new Set(["ArrowUp", "ArrowDown", "Enter", " "]);
  // Keys that start a new game once one has ended: any that types or
  // plays, not Tab, which goes to the button, nor the browser's own.
  const startsAgain = (key) => key.length === 1 || GAME_KEYS.has(key);
  const SPOKEN_KEYS = { KeyH: "h", KeyR: "r" };

  const main = document.querySelector("main");
  const screen = document.getElementById("console");
  const panelElement = document.getElementById("panel");
  const again = document.getElementById("again");
  const problem = document.getElementById("problem");
  const grid = parts.Grid(screen);
  const narration = parts.Narration(document.getElementById("narration"));

  let state = "loading";
  let frames = 0; // drawn on the page
  let gameFrames = 0; // of this game
  let shown = null; // the record of the frame on view
  let unsaid = false; // its news not said yet
  const keys = []; // pressed and not read yet
  let wake = null; // ends the game's wait for a key
  let choice = null; // {row, text}: Enter once the highlight stands there
  const held = new Set(); // keys down now
  // Keys held when a game started or ended: they reach no game until
  // released, so that a held Enter neither skips a title nor restarts.
  let stale = new Set();

  function setState(next) {
    state = next;
    screen.dataset.state = next;
    again.hidden = next !== "over";
    if (next === "over" || next === "failed") {
      screen.setAttribute("aria-busy", "false");
    }
  }

  function fail(why, error) {
    if (error !== undefined) {
      console.error(error);
    }
    setState("failed");
    panelElement.hidden = true; // no buttons for a game that cannot go on
    problem.textContent = parts.failures.message(why);
    problem.hidden = false;
  }

  // Runs a part of the page's own work; an error in it stops the game with
  // a message rather than leaving a page that looks alive.
  function guarded(why, work) {
    return function (...args) {
      try {
        return work.apply(this, args);
      } catch (error) {
        fail(why, error);
        return undefined;
      }
    };
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

  // Enter, if the highlight has come to the choice clicked.
  function chosen() {
    const wanted = choice;
    choice = null;
    if (wanted === null) {
      return false;
    }
    const menu = shown === null ? null : shown.menu;
    return menu !== null && menu.highlighted >= 0 && menu.rows[menu.highlighted] === wanted.row &&
      menu.choices[menu.highlighted] === wanted.text;
  }

  // The words for a screen reader come once the frame is drawn, off the
  // way from a key to the screen; for a key that is already followed by
  // another, none come.
  let toSay = null;
  const speak = guarded("drawing", () => {
    const say = toSay;
    toSay = null;
    if (say !== null && (wake !== null || state === "over")) {
      say(shown);
    }
  });
  function narrateSoon(say) {
    if (toSay === null) {
      setTimeout(speak, 0);
    }
    toSay = say;
  }

  // What the game's module calls.
  const page = {
    showFrame: guarded("drawing", (updates, record) => {
      if (state === "failed") {
        return;
      }
      if (state === "loading") {
        setState("playing");
        performance.mark("ancient-evil: first frame");
      }
      grid.draw(updates);
      shown = record;
      if (panel.show(record)) {
        fit();
      }
      unsaid = true;
      frames++;
      gameFrames++;
      screen.dataset.frames = String(frames);
    }),
    nextKey: guarded("drawing", () => {
      if (state === "failed") {
        return new Promise(() => {}); // the game waits for good
      }
      if (keys.length > 0) {
        return Promise.resolve(keys.shift());
      }
      if (chosen()) {
        return Promise.resolve("Enter");
      }
      if (unsaid) {
        unsaid = false;
        narrateSoon(narration.frame);
      }
      screen.setAttribute("aria-busy", "false");
      return new Promise((resolve) => {
        wake = resolve;
      });
    }),
    say: guarded("drawing", (words) => {
      toSay = null; // what the key asked for, rather than the frame again
      narration.say(words);
    }),
    gameOver: guarded("drawing", () => {
      if (state !== "failed") {
        setState("over");
        stale = new Set(held);
        narrateSoon(narration.over);
      }
    }),
  };

  function startGame() {
    toSay = null;
    keys.length = 0;
    wake = null;
    choice = null;
    gameFrames = 0;
    shown = null;
    unsaid = false;
    stale = new Set(held);
    setState("loading");
    screen.setAttribute("aria-busy", "true");
    if (typeof createAncientEvil !== "function") {
      // Not there, or there and broken.
      fail(parts.failures.loaded("ancient-evil.js") ? "damaged" : "script");
      return;
    }
    // A module that stops before its first frame did not start: its
    // files are damaged, or the site forbids compiling WebAssembly.
    let stopped = false;
    const stop = (error) => {
      if (stopped || state === "failed") {
        return;
      }
      stopped = true;
      if (gameFrames > 0) {
        fail("game", error);
      } else {
        parts.failures.unstarted().then((why) => fail(why, error));
      }
    };
    createAncientEvil({
      page: page,
      print: () => {},
      printErr: (text) => console.warn(text),
      onAbort: stop,
    }).catch(stop);
  }

  function playAgain() {
    if (state === "over") {
      main.focus(); // not the button about to hide: the keys play on
      startGame();
    }
  }

  // The moves that bring the highlight to a choice, then Enter once it
  // stands there.
  function choose(index) {
    const menu = shown.menu;
    if (menu.highlighted < 0) {
      return;
    }
    choice = { row: menu.rows[index], text: menu.choices[index] };
    const move = index > menu.highlighted ? "ArrowDown" : "ArrowUp";
    for (let moves = Math.abs(index - menu.highlighted); moves > 0; moves--) {
      press(move);
    }
    if (index === menu.highlighted && chosen()) {
      press("Enter");
    }
  }

  // What a tap or a click does (taps.js): a new game once one has ended,
  // and else, while the game waits for a key with none left, a key or a
  // choice.
  const act = guarded("keys", (target) => {
    if (target.again) {
      playAgain();
    } else if (state === "playing" && wake !== null) {
      if (target.key) {
        press(target.key);
      } else {
        choose(target.choice);
      }
    }
  });

  document.addEventListener("keydown", guarded("keys", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey || event.isComposing) {
      return; // the browser's own shortcuts
    }
    const id = event.code || event.key;
    held.add(id);
    if (stale.has(id) && !event.repeat) {
      stale.delete(id); // let go, though no keyup said so, and pressed again
    }
    if (state === "over") {
      // The end's keys must be let go first; a key held down repeats.
      if (stale.size === 0 && !event.repeat && startsAgain(event.key)) {
        event.preventDefault();
        playAgain();
      }
      return;
    }
    if (state === "failed") {
      return;
    }
    if (GAME_KEYS.has(event.key) || event.key.length === 1) {
      event.preventDefault();
    }
    if (stale.has(id)) {
      return; // held down since before this game
    }
    // H says the hero's status and R the whole screen again, whatever the
    // layout, the case or Caps Lock make of the letter (the game answers
    // them: on the title they are keys like any other).
    press(SPOKEN_KEYS[event.code] || event.key);
  }));
  document.addEventListener("keyup", (event) => {
    const id = event.code || event.key;
    held.delete(id);
    stale.delete(id);
  });
  // Keys let go while the page had no focus send no keyup.
  window.addEventListener("blur", () => {
    held.clear();
    stale.clear();
  });

  // The page's own note that the game did not start gives way to the
  // game, and its buttons show.
  panelElement.hidden = false;
  problem.hidden = true;
  problem.textContent = "";
  problem.classList.remove("unstarted");

  // Taps and clicks, on the grid and on the panel's buttons.
  const tapped = { shown: () => shown, taps: parts.Taps(() => shown, () => frames), act };
  parts.Pointer(screen, tapped);
  const panel = parts.Panel(panelElement, tapped);
  const fit = parts.fitToWindow(screen, panel, document.getElementById("narrow"));

  // For tools and tests: the page's drawing, which tools/web/page_bench.py
  // measures, and the record of the frame on view.
  window.ancientEvilPage = { showFrame: page.showFrame, shown: () => shown };

  // Whatever stops the start is told, not left as a grid that looks alive.
  const start = guarded("start", () => {
    // The module's script may have stopped as it ran, in a browser too
    // old for it, and browser-check.js has said so.
    if (unsupported()) {
      return;
    }
    parts.keepForOffline();
    main.focus();
    startGame();
  });
  if (document.readyState === "loading") {
    document.addEventListener("DOMContentLoaded", start);
  } else {
    start();
  }
})(window.ancientEvil);
