// The page plays with no network after its first visit: the service worker keeps the page's
// shell when it installs, and everything else the page loads (the game's WebAssembly, the table
// of winnable positions, the recordings) is kept in the same cache as it arrives, so nothing is
// fetched twice.

export async function registerServiceWorker() {
  if (!('serviceWorker' in navigator)) {
    return;
  }
  try {
    await navigator.serviceWorker.register('service_worker.js');
  } catch (error) {
    console.warn(`TINTINEABLES will not play offline: ${error}`);
  }
}

// The cache of this version of the page, or null where there is none (no service worker, or a
// browser that keeps nothing).
async function pageCache() {
  if (!('caches' in self)) {
    return null;
  }
  try {
    const files = await fetch('page_files.json');
    const { version } = await files.json();
    return await caches.open(`tintineables-${version}`);
  } catch {
    return null;
  }
}

let cache = null;
export function openPageCache() {
  cache ??= pageCache();
  return cache;
}

// A file of the page as bytes, kept for the next visit. Throws with the reason when it cannot
// be had.
export async function fetchAndKeep(url) {
  const response = await fetch(url);
  if (!response.ok) {
    throw new Error(`${response.status} ${response.statusText}`);
  }
  const kept = await openPageCache();
  if (kept) {
    kept.put(url, response.clone()).catch(() => {});
  }
  return response.arrayBuffer();
}
