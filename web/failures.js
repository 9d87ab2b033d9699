// Why the game cannot go on, told to the player in words they can act on,
// over the grid. What went wrong inside (Emscripten's reports, the
// browser's errors) goes to the browser's console only.
"use strict";

(function (parts) {
  const AGAIN = " Обновите страницу, чтобы начать заново.";
  const MESSAGES = {
    // The game's script is not there beside the page, or the server sends
    // it as something other than JavaScript.
    script: "Игра не запустилась: браузер не получил её файл ancient-evil.js. " +
      "Распакуйте архив игры целиком и откройте index.html из распакованной папки. " +
      "Если игра на сервере, он должен отдавать файлы .js как JavaScript.",
    damaged: "Файлы игры повреждены, и она не может запуститься. Скачайте игру заново.",
    start: "Страница игры дала сбой при запуске." + AGAIN,
    game: "Игра остановилась из-за ошибки в ней самой." + AGAIN,
    drawing: "Страница игры дала сбой, рисуя экран." + AGAIN,
    keys: "Страница игры дала сбой, принимая нажатие." + AGAIN,
  };

  // The scripts that did not load: missing, or refused by the browser.
  const notLoaded = new Set();
  window.addEventListener("error", (event) => {
    const target = event.target;
    if (target instanceof HTMLScriptElement) {
      notLoaded.add(target.getAttribute("src"));
    }
  }, true);

  parts.failures = {
    message: (why) => MESSAGES[why],
    loaded: (script) => !notLoaded.has(script),
  };
})(window.ancientEvil = window.ancientEvil || {});
