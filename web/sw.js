// Keeps the site for visits with no network: every file is cached at
// installation, and a request is answered from the cache first. A new build
// has a new cache name, so its worker replaces the old files whole.
'use strict';

const kCache = '@CACHE@';
const kFiles = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== kCache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // The page's own address with ?lang= is the page.
  const url = new URL(event.request.url);
  const key = url.origin === location.origin && event.request.mode === 'navigate' ? './' : event.request;
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(key, { ignoreSearch: event.request.mode === 'navigate' }))
    .then((cached) => cached || fetch(event.request)));
});
