// What the page's browser tests and its benchmark share: the built site served on
// 127.0.0.1 by a small static server, and Debian's Chromium driven headless.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const racine = resolve(fileURLToPath(new URL('../..', import.meta.url)));
export const site = process.env.VARQUIN_SITE ?? join(racine, 'build-web', 'site');

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
    '.webmanifest': 'application/manifest+json', '.json': 'application/json' };

// Serves `site` on a free port; resolves to { url, fermer }.
export function servir() {
    const serveur = createServer(async (req, res) => {
        const chemin = decodeURIComponent(new URL(req.url, 'http://l').pathname);
        const fichier = normalize(join(site, chemin.endsWith('/') ? `${chemin}index.html` : chemin));
        try {
            if (!fichier.startsWith(site)) throw new Error('hors du site');
            const corps = await readFile(fichier);
            res.writeHead(200, { 'Content-Type': TYPES[extname(fichier)] ?? 'application/octet-stream' });
            res.end(corps);
        } catch {
            res.writeHead(404).end();
        }
    });
    return new Promise((ok) => serveur.listen(0, '127.0.0.1', () => ok({
        url: `http://127.0.0.1:${serveur.address().port}/`,
        fermer: () => new Promise((fin) => serveur.close(fin)),
    })));
}

export function lancerChromium() {
    return chromium.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
}

// A blank page in a fresh context: its own window, with nothing cached nor stored.
export async function nouvellePage(navigateur, taille = { width: 1280, height: 800 }) {
    const contexte = await navigateur.newContext({ viewport: taille, locale: 'fr-FR', acceptDownloads: true,
        serviceWorkers: 'block' });
    const page = await contexte.newPage();
    const erreurs = [];
    page.on('pageerror', (e) => erreurs.push(e.message));
    return { page, contexte, erreurs };
}

// Navigates `page` to `adresse` and waits until the project is shown.
export async function naviguer(page, adresse) {
    await page.goto(adresse);
    await page.waitForSelector('body[data-pret="oui"][data-feuille="a-jour"]', { state: 'attached',
        timeout: 30000 });
}

// A page of a fresh context opened on `adresse`, once the project is shown.
export async function ouvrirPage(navigateur, adresse, taille = { width: 1280, height: 800 }) {
    const ouverte = await nouvellePage(navigateur, taille);
    await naviguer(ouverte.page, adresse);
    return ouverte;
}
