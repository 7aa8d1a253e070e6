// Keeps the page and the calculation core so that VARQUIN opens without a network
// once visited. A cached file is answered at once and refreshed behind it, so a new
// version shows at the next visit.

const CACHE = 'varquin-v1';
const COQUILLE = ['./', 'index.html', 'page.js', 'stockage.js', 'page.css', 'varquin.mjs', 'varquin-coeur.mjs',
    'varquin-coeur.wasm', 'manifest.webmanifest', 'icone.svg'];

self.addEventListener('install', (e) => {
    e.waitUntil(caches.open(CACHE).then((c) =>
        Promise.all(COQUILLE.map((f) => c.add(f).catch(() => undefined)))));
    self.skipWaiting();
});

self.addEventListener('activate', (e) => {
    e.waitUntil(caches.keys()
        .then((noms) => Promise.all(noms.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

// The page names what its first load fetched (the core's WebAssembly and data).
self.addEventListener('message', (e) => {
    const urls = (e.data?.garder ?? []).filter((u) => new URL(u).origin === self.location.origin);
    e.waitUntil(caches.open(CACHE).then((c) =>
        Promise.all(urls.map((u) => c.add(u).catch(() => undefined)))));
});

self.addEventListener('fetch', (e) => {
    const requete = e.request;
    if (requete.method !== 'GET' || new URL(requete.url).origin !== self.location.origin) return;
    e.respondWith(caches.open(CACHE).then(async (c) => {
        const garde = await c.match(requete, { ignoreSearch: requete.mode === 'navigate' });
        const frais = fetch(requete).then((r) => {
            if (r.ok) c.put(requete, r.clone());
            return r;
        });
        if (garde) {
            e.waitUntil(frais.catch(() => undefined));
            return garde;
        }
        return frais;
    }));
});
