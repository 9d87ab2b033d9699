// The page's script is joined from its parts in web/, in the order
// cmake/web.cmake lists them, this one first. Each part adds what it
// offers to window.ancientEvil and names what it needs from the others
// with need(), which stops the page as it loads where a part comes before
// one it needs, rather than at the player's first click.
"use strict";

(function (parts) {
  parts.need = function (...names) {
    const missing = names.filter((name) => !(name in parts));
    if (missing.length > 0) {
      throw new Error("The page's parts are out of order in cmake/web.cmake: " +
        missing.join(", ") + " needed before it is there");
    }
  };
})(window.ancientEvil = window.ancientEvil || {});
