// Served from a web server, the page can be installed from its manifest
// and keeps its files in the browser (service-worker.js), so that the game
// plays offline once it has been opened. Opened from a folder it needs
// neither, and a browser would refuse to read the manifest there.
// Offline play is a bonus: where the browser refuses it, as in a frame
// sandboxed without allow-same-origin, whose navigator.serviceWorker
// throws, the game plays without it.
"use strict";

(function (parts) {
  parts.keepForOffline = function () {
    if (location.protocol !== "https:" && location.protocol !== "http:") {
      return;
    }
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.append(manifest);
    const refused = (error) => console.warn("The game cannot be kept for offline play:", error);
    try {
      if ("serviceWorker" in navigator) {
        navigator.serviceWorker.register("service-worker.js").catch(refused);
      }
    } catch (error) {
      refused(error);
    }
  };
})(window.ancientEvil = window.ancientEvil || {});
