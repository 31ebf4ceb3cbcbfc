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

// The cache opened once for all the page's requests.
let kept;
const keptFiles = () => (kept ??= caches.open(CACHE));

self.addEventListener('fetch', (event) => {
  const { request } = event;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  // The page's own options (?trace, ?clock=virtual) name the same files. They are cut off
  // here rather than matched with ignoreSearch, which makes the cache look through every
  // entry for each request.
  url.search = '';
  event.respondWith(keptFiles()
    .then((cache) => cache.match(url.href))
    .then((file) => file ?? fetch(request)));
});
