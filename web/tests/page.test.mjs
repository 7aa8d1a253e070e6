// The page in a real headless Chromium, on the built site: an example opened shows
// the desktop's results, a change recalculates, a refusal keeps the value, a sizing
// point applies, the saved bytes are the core's, and the print is the two-page study.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { servir, lancerChromium, ouvrirPage, racine, site } from './page-outils.mjs';

const LYON = 'lyon-maison-4-personnes';
let serveur;
let navigateur;

before(async () => {
    serveur = await servir();
    navigateur = await lancerChromium();
});
after(async () => {
    await navigateur?.close();
    await serveur?.fermer();
});

const champ = (cle) => `[data-cle="${cle}"]:not([hidden]) input:not([hidden])`;
const grille = (page) => page.$$eval('#grille tbody tr', (lignes) =>
    lignes.map((l) => [...l.cells].map((c) => c.textContent)));

test('the Lyon example: results, a change, a refusal kept, a sizing point', async () => {
    const { page, erreurs } = await ouvrirPage(navigateur, `${serveur.url}?exemple=${LYON}`);
    assert.equal(await page.textContent('#couverture-annuelle'), '62');
    const avant = await grille(page);
    assert.deepEqual(avant.map((l) => l[0]),
        ['Couverture [%]', 'Besoins [kWh]', 'Productivité [kWh]', 'Productivité /m²']);
    // The header's coverage leads to the results, whose title shows below the header.
    await page.click('a.indicateur');
    const [titre, entete] = await page.evaluate(() => ['#titre-resultats', '.barre'].map((s) =>
        document.querySelector(s).getBoundingClientRect()));
    assert.ok(titre.top >= entete.bottom && titre.top < entete.bottom + 40, JSON.stringify([titre, entete]));

    await page.fill(champ('Capteur:inclinaison'), '10');
    await page.press(champ('Capteur:inclinaison'), 'Enter');
    await page.waitForFunction(() => document.querySelector('#couverture-annuelle').textContent !== '62');
    assert.notDeepEqual((await grille(page))[2], avant[2], 'the productivity follows the tilt');

    // Zero collectors: the desktop's refusal, word for word, and the value kept.
    const nombre = champ('Capteur:Nb_Capteurs');
    const garde = await page.inputValue(nombre);
    await page.fill(nombre, '0');
    await page.press(nombre, 'Enter');
    const refus = (await page.textContent('#alerte')).trim();
    assert.match(refus, /^Nombre : .*entre 1 et 999/);
    assert.equal(await page.inputValue(nombre), garde);
    assert.equal(await page.isVisible(`[data-cle="Capteur:Nb_Capteurs"] .refus`), true);
    const cli = join(racine, 'build', 'varquin-cli');
    if (existsSync(cli)) {
        let stderr = '';
        try {
            execFileSync(cli, ['calc', join(racine, 'examples', `${LYON}.vqp`), '--set',
                'Capteur:Nb_Capteurs=0'], { stdio: 'pipe' });
        } catch (e) {
            stderr = e.stderr.toString();
        }
        assert.ok(stderr.includes(refus), `${stderr} ⊅ ${refus}`);
    }

    // A sizing point: the project takes its number of collectors and its tank.
    await page.click('#dimensionnement summary');
    const point = page.locator('#points-dimensionnement button.point:not([aria-current])').last();
    await point.waitFor();
    const voulu = (await point.getAttribute('aria-label')).match(/^(\d+) capteurs, (.+) :/);
    await point.click();
    await page.waitForSelector('body[data-feuille="a-jour"]', { state: 'attached' });
    assert.equal(await page.inputValue(champ('Capteur:Nb_Capteurs')), voulu[1]);
    assert.equal(await page.inputValue(champ('Ballon:Type_ballon')), voulu[2]);
    await page.waitForSelector(`#points-dimensionnement button[aria-current][aria-label^="${voulu[1]} capteurs, ${voulu[2]} :"]`);
    assert.deepEqual(erreurs, []);
});

test('saving gives the core\'s bytes; printing gives the two-page study', async () => {
    const { page } = await ouvrirPage(navigateur, `${serveur.url}?exemple=${LYON}`);
    const [telechargement] = await Promise.all([page.waitForEvent('download'), page.click('#enregistrer')]);
    assert.equal(telechargement.suggestedFilename(), `${LYON}.vqp`);
    const octets = await readFile(await telechargement.path());
    const { default: creerVarquin } = await import(join(site, 'varquin.mjs'));
    const h = (await creerVarquin()).ouvrirExemple(`${LYON}.vqp`);
    h.resultats(); // the page shows the example calculated
    const attendus = Buffer.from(h.enregistrer());
    h.fermer();
    assert.ok(octets.length > 500);
    assert.ok(octets.equals(attendus), 'the page saves what the core writes');

    const pdf = await page.pdf({ format: 'A4' });
    const pages = pdf.toString('latin1').match(/\/Type\s*\/Page[^s]/g) ?? [];
    assert.equal(pages.length, 2);
});

test('the person\'s entry survives a reload; their data exported, imported, a damaged file refused', async () => {
    const adresse = `${serveur.url}?exemple=${LYON}`;
    const { page, contexte, erreurs } = await ouvrirPage(navigateur, adresse);
    const bloc = '[data-element="capteur"]';
    await page.selectOption(`${bloc} select`, 'Capteur utilisateur 2*');
    await page.fill(`${bloc} input`, 'Mon capteur');
    await page.click(`${bloc} button`);
    await page.waitForSelector('body[data-donnees="gardees"]', { state: 'attached' });
    assert.equal(await page.inputValue(champ('Capteur:Type_capteur')), 'Mon capteur*');
    const entrees = (p) => p.$$eval(`${bloc} select option`, (o) => o.map((e) => e.value));

    await page.reload();
    await page.waitForSelector('body[data-pret="oui"][data-feuille="a-jour"]', { state: 'attached' });
    assert.ok((await entrees(page)).includes('Mon capteur*'), 'kept in IndexedDB');
    const [export_] = await Promise.all([page.waitForEvent('download'), page.click('#exporter-donnees')]);
    assert.equal(export_.suggestedFilename(), 'varquin-donnees.json');
    const exporte = await readFile(await export_.path());
    assert.deepEqual(Object.keys(JSON.parse(exporte)), ['Systeme/Capteurs/Capteurs.txt']);
    await contexte.close();

    const autre = await ouvrirPage(navigateur, adresse);
    assert.ok(!(await entrees(autre.page)).includes('Mon capteur*'), 'a fresh browser has none');
    await autre.page.setInputFiles('#importer-donnees', { name: 'abime.json', mimeType: 'application/json',
        buffer: Buffer.from('{"Systeme/Capteurs/Capteurs.txt": "pas du base64 !"}') });
    await autre.page.waitForSelector('#alerte:not([hidden])');
    assert.match(await autre.page.textContent('#alerte'), /« abime\.json » n'est pas un export de vos données/);
    await autre.page.setInputFiles('#importer-donnees', { name: 'varquin-donnees.json',
        mimeType: 'application/json', buffer: exporte });
    await autre.page.waitForSelector('body[data-donnees="gardees"]', { state: 'attached' });
    assert.ok((await entrees(autre.page)).includes('Mon capteur*'), 'imported');
    assert.deepEqual([...erreurs, ...autre.erreurs], []);
    await autre.contexte.close();
});
