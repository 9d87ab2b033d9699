// Served from a web server, the page can be installed from its manifest
// and keeps its files in the browser (service-worker.js), so that the game
// plays offline once it has been opened. Opened from a folder it needs
// neither, and a browser would refuse to read the manifest there.
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
    if ("serviceWorker" in navigator) {
      navigator.serviceWorker.register("service-worker.js").catch((error) =>
        console.warn("The game cannot be kept for offline play:", error));
    }
  };
})(window.ancientEvil = window.ancientEvil || {});
