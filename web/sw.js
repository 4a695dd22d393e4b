// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// The page's service worker, where the page is served over http(s): it keeps
// every file of this version of the page, so that after one visit the game
// opens and plays without the network, and it hands over to the next
// version as soon as the browser finds one. Each version keeps its files
// under a name of its own, for this copy of the page alone (its scope), and
// the next one deletes them.
'use strict';

const kept = `guess ${self.registration.scope} `;
const version = `${kept}@PROJECT_VERSION@`;
const files = [@GUESS_PAGE_FILE_LIST@];

// The files come from the server, not from the browser's HTTP cache, which
// may still hold the previous version's.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(version)
    .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// A page already open has all its files; the next one it loads is this
// version's whole.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith(kept) && name !== version)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's own files from what is kept, the folder's address as its
// index.html; anything else from the network.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET') {
    return;
  }
  const url = new URL(request.url);
  url.search = '';
  url.hash = '';
  const file = url.href === self.registration.scope ? `${url.href}index.html` : url.href;
  event.respondWith(caches.open(version)
    .then((cache) => cache.match(file))
    .then((kept) => kept || fetch(request)));
});
