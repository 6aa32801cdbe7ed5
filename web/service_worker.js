// TINTINEABLES's service worker: the page from its cache, so that it plays with no network.
// Its version is written in when the page is built; a new version changes these bytes, and the
// browser installs it, fills its cache and drops the old one.
const Version = '@VERSION@';
const Cache = `tintineables-${Version}`;
const Shell = ['./', 'index.html', 'page.css', 'page.js', 'page_texts.js', 'forms.js', 'gestures.js', 'phone_aids.js', 'players.js', 'offline.js',
               'texts.js', 'tintineables.js', 'solver_worker.js', 'solver.js', 'pace_worker.js', 'pace.js', 'page_files.json',
               'manifest.webmanifest',
               'icons/tintineables.svg', 'icons/tintineables-192.png', 'icons/tintineables-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(Cache).then((cache) => cache.addAll(Shell)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('tintineables-') && name !== Cache) {
        await caches.delete(name);
      }
    }
    await self.clients.claim();
  })());
});

// The page's own files: its shell, the game's WebAssembly, the table, the recordings.
const Scope = new URL('./', self.location).pathname;
function isPageFile(url) {
  if (url.origin !== self.location.origin || !url.pathname.startsWith(Scope)) {
    return false;
  }
  const file = url.pathname.slice(Scope.length);
  return Shell.includes(file || './') || ['tintineables.wasm', 'solver.wasm', 'pace.wasm', 'winnable.table'].includes(file) ||
         file.startsWith('sounds/') || file.startsWith('manual/');
}

// The page's files from the cache first; one not there yet comes from the network and is kept.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !isPageFile(new URL(request.url))) {
    return;
  }
  event.respondWith((async () => {
    const cache = await caches.open(Cache);
    const kept = await cache.match(request, { ignoreSearch: true });
    if (kept) {
      return kept;
    }
    const response = await fetch(request);
    if (response.ok) {
      cache.put(request, response.clone()).catch(() => {});
    }
    return response;
  })());
});
