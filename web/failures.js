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
      "Если игра открыта с сервера, тот должен отдавать файлы .js как JavaScript.",
    damaged: "Файлы игры повреждены, и она не может запуститься. Скачайте игру заново.",
    // The site's Content-Security-Policy allows no WebAssembly: said so
    // that whoever runs the site can put it right.
    policy: "Игра не запустилась: политика безопасности этого сайта (заголовок " +
      "Content-Security-Policy) запрещает браузеру запускать WebAssembly, на которой " +
      "работает игра. Владельцу сайта: добавьте в эту политику источник " +
      "'wasm-unsafe-eval' (в script-src, а если его нет, в default-src).",
    start: "Страница игры дала сбой при запуске." + AGAIN,
    game: "Игра остановилась из-за ошибки в ней самой." + AGAIN,
    drawing: "Страница игры дала сбой при отрисовке экрана." + AGAIN,
    keys: "Страница игры дала сбой при обработке нажатия." + AGAIN,
  };

  // The scripts that did not load: missing, or refused by the browser.
  const notLoaded = new Set();
  window.addEventListener("error", (event) => {
    const target = event.target;
    if (target instanceof HTMLScriptElement) {
      notLoaded.add(target.getAttribute("src"));
    }
  }, true);

  // The smallest module there is: only a policy keeps it from compiling.
  const EMPTY_MODULE = new Uint8Array([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]);

  parts.failures = {
    message: (why) => MESSAGES[why],
    loaded: (script) => !notLoaded.has(script),
    // Why a module that did start loading never drew: "policy" or "damaged".
    unstarted: () => WebAssembly.instantiate(EMPTY_MODULE).then(() => "damaged", () => "policy"),
  };
})(window.ancientEvil = window.ancientEvil || {});
