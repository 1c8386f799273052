// Keeps the site for visits with no network: the page's files are cached at
// installation, a language's texts once the page has asked for them (so a
// first visit fetches one language, not all), and a request is answered from
// the cache first. A new build has a new cache name, so its worker replaces
// the old files whole.
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

// The page names the texts it loaded before this worker took charge.
self.addEventListener('message', (event) => {
  const name = event.data && event.data.keep;
  if (typeof name === 'string' && /^lang\/[A-Za-z_]+\.json$/.test(name)) {
    event.waitUntil(caches.open(kCache).then((cache) => cache.add(name)));
  }
});

function fetchAndKeep(request) {
  return fetch(request).then((response) => {
    if (response.ok && new URL(request.url).pathname.includes('/lang/')) {
      const copy = response.clone();
      caches.open(kCache).then((cache) => cache.put(request, copy));
    }
    return response;
  });
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // The page's own address with ?lang= is the page.
  const url = new URL(event.request.url);
  const key = url.origin === location.origin && event.request.mode === 'navigate' ? './' : event.request;
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(key, { ignoreSearch: event.request.mode === 'navigate' }))
    .then((cached) => cached || fetchAndKeep(event.request)));
});
