// Keeps the site in the browser, so that a visit with no network works. The build stamps in the
// site's files and a version taken from their contents: a new build installs a cache of its own
// and takes over once no tab of the last one is open, so a page never runs one build's script
// with another's engine.
"use strict";

const cacheName = "tessark-@SITE_VERSION@";
const files = "@SITE_FILES@".split(" ");

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(["./", ...files])));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith("tessark-") && name !== cacheName)
    .map((name) => caches.delete(name)))).then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
