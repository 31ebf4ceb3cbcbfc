// The web edition's service worker: after the first visit every file of the site is kept in
// one cache named for the build, so the game starts with no network. A new build (another
// BUILD, written in by tools/web/write_offline.py) fills a cache of its own beside the old
// one and takes over once no page of the old build is open, then drops the old cache: a page
// never mixes the files of two builds.
const BUILD = 'unbuilt';
const CACHE = `hazama-${BUILD}`;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const listed = await fetch('offline.json', { cache: 'no-store' });
    if (!listed.ok) throw new Error(`offline.json: ${listed.status}`);
    const { files } = await listed.json();
    const cache = await caches.open(CACHE);
    // Straight from the server, never from the browser's own cache of an older build.
    await cache.addAll(['./', ...files].map((name) => new Request(name, { cache: 'reload' })));
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('hazama-') && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // The page's own options (?trace, ?clock=virtual) name the same files.
  event.respondWith(caches.match(request, { cacheName: CACHE, ignoreSearch: true })
    .then((kept) => kept ?? fetch(request)));
});
