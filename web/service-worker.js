// Keeps the page's files in the browser, so that the game, once opened
// from a server, plays offline. The build fills in the files and a digest
// of their contents (tools/web/page_files.py): a new build is a new cache,
// which replaces the old one whole, never a mix of two builds.
"use strict";

const CACHE = "ancient-evil-@DIGEST@";
const FILES = @FILES@;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith("ancient-evil-") && name !== CACHE)
    .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// Each file from the cache, the page's folder as its index.html; anything
// else from the network.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") {
    return;
  }
  const folder = new URL(request.url).pathname === new URL(self.registration.scope).pathname;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(folder ? "index.html" : request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(request)));
});
