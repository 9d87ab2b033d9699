// Runs before the game's scripts, written so that every browser can read
// it: where this browser lacks something the page needs, it fills it in
// if it can, or says in words which browsers play the game, rather than
// leave a black grid that looks as if the game were loading. game.js does
// not start once it has said so (data-unsupported on <html>). It says so
// in the page's note over the grid, in place of the note that the scripts
// did not run, and at once.
(function () {
  "use strict";

  // Safari before 14, Chrome before 86 and Firefox before 78 lack it, and
  // the page's drawing needs no more than this.
  if (typeof Element.prototype.replaceChildren !== "function") {
    Element.prototype.replaceChildren = function () {
      while (this.firstChild) {
        this.removeChild(this.firstChild);
      }
      for (var i = 0; i < arguments.length; i++) {
        var child = arguments[i];
        this.appendChild(typeof child === "string" ? document.createTextNode(child) : child);
      }
    };
  }

  var TOO_OLD = "он слишком старый";

  function lacking() {
    if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
      // Also where it is switched off, as in an iPhone's Lockdown Mode.
      return "в нём нет поддержки WebAssembly или она отключена";
    }
    // What the game's scripts need only once the grid is on view.
    if (typeof Promise !== "function" || !Object.assign || !document.fonts) {
      return TOO_OLD;
    }
    return null;
  }

  function refuse(reason) {
    var root = document.documentElement;
    if (root.hasAttribute("data-unsupported")) {
      return;
    }
    root.setAttribute("data-unsupported", reason);
    var screen = document.getElementById("console");
    screen.setAttribute("data-state", "failed");
    screen.setAttribute("aria-busy", "false");
    screen.textContent = "";
    // Nor buttons to play, nor a note that the grid is too small.
    document.getElementById("panel").hidden = true;
    var problem = document.getElementById("problem");
    problem.classList.remove("unstarted");
    problem.textContent = "Этот браузер не может запустить игру: " + reason +
      ". Игра работает в Chrome 75, Edge 79, Firefox 65, Safari 12 (на iPhone и iPad — iOS 12) " +
      "и в их более новых версиях.";
    problem.hidden = false;
  }

  var reason = lacking();
  if (reason !== null) {
    refuse(reason);
    return;
  }
  // Whatever else this browser lacks, its syntax included, stops the
  // game's scripts as they load, before the page has been read; once it
  // has, game.js starts the game and tells of its failures itself.
  window.addEventListener("error", function () {
    if (document.readyState === "loading") {
      refuse(TOO_OLD);
    }
  });
})();
