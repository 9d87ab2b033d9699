// Keeps the page's files in the browser, so that the game, once opened
// from a server, plays offline. The build fills in the files and a digest
// of their contents (tools/web/page_files.py): a new build is a new cache,
// which replaces the old one whole, never a mix of two builds.
"use strict";

// One cache a build and a copy: two copies of the game on one site, in
// folders of their own, each keep theirs.
const CACHE = "ancient-evil-@DIGEST@ " + self.registration.scope;
const FILES = @FILES@;

// Each file from the server itself, never from the browser's HTTP cache,
// which may still hold the build this one replaces.
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => Promise.all(FILES.map((name) =>
    fetch(new Request(name, { cache: "reload" })).then((response) => {
      if (!response.ok) {
        throw new Error(name + ": " + response.status);
      }
      return cache.put(name, response);
    })))).then(() => self.skipWaiting()));
});

// The older builds of this copy go: the caches that hold its page.
self.addEventListener("activate", (event) => {
  const page = new URL("index.html", self.registration.scope).href;
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith("ancient-evil-") && name !== CACHE)
    .map((name) => caches.open(name).then((cache) => cache.match(page))
      .then((kept) => kept && caches.delete(name)))))
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
