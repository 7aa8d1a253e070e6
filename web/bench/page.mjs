// The page's speed in headless Chromium: a cold load from localhost (a fresh profile,
// nothing cached, until the Lyon example's results are shown) and an edit (the tilt
// typed and Enter: the core recalculates, the sheet, the grid and the chart are
// redrawn), timed to the end of the work and to the next frame.
//   node web/bench/page.mjs [RUNS]

import { servir, lancerChromium, ouvrirPage } from '../tests/page-outils.mjs';

const tours = Number(process.argv[2] ?? 10);
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const pire = (v) => Math.max(...v);
const ms = (v) => `${v.toFixed(1)} ms`;

const serveur = await servir();
const navigateur = await lancerChromium();
try {
    const chargements = [];
    const resultats = [];
    for (let i = 0; i < tours; i += 1) {
        const debut = performance.now();
        const { page, contexte } = await ouvrirPage(navigateur, `${serveur.url}?exemple=lyon-maison-4-personnes`);
        chargements.push(performance.now() - debut);
        // The page's own time from navigation to its results, before the work it leaves
        // for idle time (the print page) and the round trips of the browser's driver.
        resultats.push(await page.evaluate(() => performance.getEntriesByName('varquin-pret')[0].startTime));
        await contexte.close();
    }
    const { page, contexte } = await ouvrirPage(navigateur, `${serveur.url}?exemple=lyon-maison-4-personnes`);
    const editions = await page.evaluate(async (n) => {
        const saisie = document.querySelector('[data-cle="Capteur:inclinaison"]:not([hidden]) input');
        const couverture = document.getElementById('couverture-annuelle');
        const mesures = { travail: [], miseEnPage: [], image: [], feuille: [] };
        for (let i = 0; i < n; i += 1) {
            await new Promise(requestAnimationFrame);
            const avant = couverture.textContent;
            const debut = performance.now();
            saisie.value = String(20 + (i % 2) * 25);
            saisie.dispatchEvent(new Event('change'));
            await Promise.resolve(); // uPlot draws in a microtask
            mesures.travail.push(performance.now() - debut);
            // The next frame, its style and layout done: what shows the change.
            await new Promise(requestAnimationFrame);
            const image = performance.now();
            void document.body.offsetHeight;
            mesures.miseEnPage.push(performance.now() - image);
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
    console.log(`cold load to results shown (page's clock): median ${ms(mediane(resultats))}, ` +
        `worst ${ms(pire(resultats))}`);
    console.log(`cold load to results (driver's clock): median ${ms(mediane(chargements))}, ` +
        `worst ${ms(pire(chargements))}`);
    console.log(`edit, recalculation and redraw: median ${ms(mediane(editions.travail))}, ` +
        `worst ${ms(pire(editions.travail))}`);
    console.log(`style and layout in that frame: median ${ms(mediane(editions.miseEnPage))}, ` +
        `worst ${ms(pire(editions.miseEnPage))}`);
    console.log(`edit to the next frame laid out: median ${ms(mediane(editions.image))}, ` +
        `worst ${ms(pire(editions.image))}`);
    console.log(`edit to the whole sheet shown again: median ${ms(mediane(editions.feuille))}, ` +
        `worst ${ms(pire(editions.feuille))}`);
} finally {
    await navigateur.close();
    await serveur.fermer();
}
