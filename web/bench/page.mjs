// The page's speed in headless Chromium: a cold load from localhost (a fresh profile,
// nothing cached, until the Lyon example's results are shown) and an edit (the tilt
// typed and Enter: the core recalculates, the sheet, the grid and the chart are
// redrawn), timed to the end of the script's work, to the frame drawn and to the next
// frame. The cold load is also split at the page's marks.
//
// A fresh profile is a new browser window: for a second or so after it opens, the
// browser loads that window's own pages (the address bar's suggestion list is one) on
// the same two cores. A cold load is timed twice, alternately: in a window opened and
// left idle for two seconds, as when a person types the address in a browser already
// open, and in a window navigated the moment it opens.
//   node web/bench/page.mjs [RUNS]

import { servir, lancerChromium, nouvellePage, naviguer } from '../tests/page-outils.mjs';

const tours = Number(process.argv[2] ?? 10);
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const pire = (v) => Math.max(...v);
const ms = (v) => `${v.toFixed(1)} ms`;
const REPOS_FENETRE = 2000;

// The page's marks of a first load, and what each step holds.
const ETAPES = [['module', 'module fetched, compiled and started'],
    ['donnees', 'reference data loaded (and the person\'s files read)'], ['feuille', 'sheet made from the rules'],
    ['pret', 'example opened, calculated and shown']];

// One cold load of the Lyon example: the page's marks, the end of the frame that
// painted the results, and the driver's time from navigation to the results.
async function chargerAFroid(navigateur, adresse, repos) {
    const { page, contexte } = await nouvellePage(navigateur);
    try {
        if (repos) await page.waitForTimeout(repos);
        const debut = performance.now();
        await naviguer(page, adresse);
        const chargement = performance.now() - debut;
        // The page's own time from navigation to its results, before the work it leaves
        // for idle time (the print page) and the round trips of the browser's driver.
        const marques = await page.evaluate((noms) => noms.map((m) =>
            performance.getEntriesByName(`varquin-${m}`)[0]?.startTime ?? NaN), ETAPES.map(([m]) => m));
        // The end of the frame that painted the results: the browser reports every frame
        // longer than 50 ms (long animation frames) with when its rendering started; a
        // shorter one ended before the task the page queued from it.
        const peint = await page.evaluate(() => new Promise((fin) => {
            const marque = (nom) => performance.getEntriesByName(`varquin-${nom}`)[0]?.startTime;
            const voir = () => {
                const [image, affiche] = [marque('image'), marque('affiche')];
                if (affiche === undefined) return setTimeout(voir, 5);
                new PerformanceObserver((liste, observateur) => {
                    observateur.disconnect();
                    const longue = liste.getEntries().find((e) =>
                        e.renderStart > 0 && e.renderStart <= image && image <= e.startTime + e.duration);
                    fin(longue ? longue.startTime + longue.duration : affiche);
                }).observe({ type: 'long-animation-frame', buffered: true });
                return setTimeout(() => fin(affiche), 1000);
            };
            voir();
        }));
        // Cold: the core's module came over the network, not from a cache.
        const octets = await page.evaluate(() => performance.getEntriesByType('resource')
            .find((e) => e.name.endsWith('.wasm'))?.transferSize ?? 0);
        if (!octets) throw new Error('the module was not fetched: not a cold load');
        return { chargement, peint, resultat: marques.at(-1), etapes: marques.map((t, j) => t - (marques[j - 1] ?? 0)) };
    } finally {
        await contexte.close();
    }
}

function rapporter(titre, charges) {
    console.log(`${titre}:`);
    const ligne = (quoi, v) => console.log(`  ${quoi}: median ${ms(mediane(v))}, worst ${ms(pire(v))}`);
    ligne('results shown (page\'s clock)', charges.map((c) => c.resultat));
    ligne('results painted (page\'s clock)', charges.map((c) => c.peint));
    ETAPES.forEach(([, quoi], j) => console.log(`    ${quoi}: median ${ms(mediane(charges.map((c) => c.etapes[j])))}`));
    ligne('results (driver\'s clock)', charges.map((c) => c.chargement));
}

const serveur = await servir();
const navigateur = await lancerChromium();
try {
    const adresse = `${serveur.url}?exemple=lyon-maison-4-personnes`;
    const auRepos = [];
    const aLOuverture = [];
    for (let i = 0; i < tours; i += 1) {
        auRepos.push(await chargerAFroid(navigateur, adresse, REPOS_FENETRE));
        aLOuverture.push(await chargerAFroid(navigateur, adresse, 0));
    }
    // Edits as a person makes them: in a settled window, once the page has shown its
    // results and done what it leaves for idle time (the print page).
    const { page, contexte } = await nouvellePage(navigateur);
    await page.waitForTimeout(REPOS_FENETRE);
    await naviguer(page, adresse);
    await page.evaluate(() => new Promise((fin) => requestIdleCallback(fin, { timeout: 2000 })));
    const editions = await page.evaluate(async (n) => {
        const saisie = document.querySelector('[data-cle="Capteur:inclinaison"]:not([hidden]) input');
        const couverture = document.getElementById('couverture-annuelle');
        const mesures = { travail: [], dessin: [], image: [], feuille: [] };
        for (let i = 0; i < n; i += 1) {
            // The edit at the start of a frame, as a key typed between two frames.
            await new Promise(requestAnimationFrame);
            const avant = couverture.textContent;
            const debut = performance.now();
            saisie.value = String(20 + (i % 2) * 25);
            saisie.dispatchEvent(new Event('change'));
            await Promise.resolve(); // uPlot draws in a microtask
            mesures.travail.push(performance.now() - debut);
            // A task queued now runs once this frame's style, layout and paint are done:
            // the edit drawn. Within 16 ms, the next frame comes on time.
            await new Promise((fin) => setTimeout(fin, 0));
            mesures.dessin.push(performance.now() - debut);
            await new Promise(requestAnimationFrame);
            mesures.image.push(performance.now() - debut);
            await new Promise((fin) => {
                const voir = () => (document.body.dataset.feuille === 'a-jour' ? fin() : setTimeout(voir, 5));
                voir();
            });
            mesures.feuille.push(performance.now() - debut);
            if (couverture.textContent === avant) throw new Error('the results did not change');
        }
        return mesures;
    }, tours * 3);
    await contexte.close();
    console.log(`Chromium ${navigateur.version()}, ${tours} runs`);
    rapporter(`cold load, in a window idle for ${REPOS_FENETRE / 1000} s`, auRepos);
    rapporter('cold load, in a window navigated as it opens', aLOuverture);
    console.log(`edit, recalculation and redraw: median ${ms(mediane(editions.travail))}, ` +
        `worst ${ms(pire(editions.travail))}`);
    console.log(`edit drawn (script, style, layout and paint of its frame): median ${ms(mediane(editions.dessin))}, ` +
        `worst ${ms(pire(editions.dessin))}`);
    console.log(`edit to the next frame: median ${ms(mediane(editions.image))}, ` +
        `worst ${ms(pire(editions.image))}`);
    console.log(`edit to the whole sheet shown again: median ${ms(mediane(editions.feuille))}, ` +
        `worst ${ms(pire(editions.feuille))}`);
} finally {
    await navigateur.close();
    await serveur.fermer();
}
