// Keeps the page's files so that it opens and calculates offline. The list of files is written
// when the site is built (files.json). Every request goes to the network first, so a new build is
// seen at once, and falls back to the kept copy when the network is not there.
const keep = 'quillon';

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(keep);
        const listed = await fetch('files.json', { cache: 'no-store' });
        const files = await listed.json();
        await cache.addAll(['./', ...files]);
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
    event.respondWith((async () => {
        const cache = await caches.open(keep);
        try {
            const fresh = await fetch(request);
            if (fresh.ok) await cache.put(request, fresh.clone());
            return fresh;
        } catch {
            const kept = await cache.match(request, { ignoreSearch: true });
            if (kept) return kept;
            throw new Error('offline and not kept: ' + request.url);
        }
    })());
});
