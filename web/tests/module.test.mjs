// The WebAssembly module against varquin-cli: the same JSON for the pinned studies and
// two hundred projects drawn within the input rules, the same refusals, the same saved
// bytes, and damaged inputs that never bring the module down.
//   node --test web/tests/      (after scripts/web.sh --build-only and the native build)

import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';

const racine = resolve(fileURLToPath(new URL('../..', import.meta.url)));
const site = process.env.VARQUIN_SITE ?? join(racine, 'build-web', 'site');
const cli = process.env.VARQUIN_CLI ?? join(racine, 'build', 'varquin-cli');
const donnees = join(racine, 'reference');
const etudes = join(racine, 'tests', 'fixtures', 'etudes');
const lyon = join(racine, 'examples', 'lyon-maison-4-personnes.vqp');
const travail = mkdtempSync(join(tmpdir(), 'varquin-module-'));
let varquin;

before(async () => {
    const { default: creerVarquin } = await import(join(site, 'varquin.mjs'));
    varquin = await creerVarquin();
    assert.equal(varquin.demarrage(), '');
});
after(() => rmSync(travail, { recursive: true, force: true }));

// What `varquin-cli calc FILE --format json --set ...` prints, and its exit status.
function calcCli(fichier, reglages = []) {
    const r = spawnSync(cli, ['calc', fichier, '--format', 'json', '--data', donnees,
        ...reglages.flatMap((r) => ['--set', r])], { encoding: 'utf8' });
    return { json: JSON.parse(r.stdout), code: r.status, erreur: r.stderr };
}

// A stored Single read back from JSON, as the bits of a float: one unit in the last
// place apart is one apart here.
const bits = (x) => new Int32Array(new Float32Array([x]).buffer)[0];

// Every cell, message and economic figure the same; the stored values within one unit
// in the last place (the two C libraries may round a power or a sine differently).
function memesResultats(web, natif, quoi) {
    assert.deepEqual(web.lignes, natif.lignes, `${quoi} : cellules`);
    assert.deepEqual(web.messages, natif.messages, `${quoi} : messages`);
    assert.equal(web.calcul_complet, natif.calcul_complet, `${quoi} : calcul_complet`);
    assert.deepEqual(Object.keys(web), Object.keys(natif), `${quoi} : clés`);
    assert.deepEqual(web.dossier, natif.dossier, `${quoi} : dossier`);
    assert.equal(web.valeurs === null, natif.valeurs === null, `${quoi} : valeurs`);
    for (const [cle, v] of Object.entries(natif.valeurs ?? {})) {
        [v].flat().forEach((x, i) => {
            const y = [web.valeurs[cle]].flat()[i];
            assert.ok(x === y || Math.abs(bits(x) - bits(y)) <= 1, `${quoi} : ${cle}[${i}] ${y} / ${x}`);
        });
    }
    for (const [cle, x] of Object.entries(natif.economie ?? {})) {
        const y = web.economie[cle];
        assert.ok(x === y || Math.abs(x - y) <= 1e-6 * Math.abs(x) + 0.011, `${quoi} : ${cle} ${y} / ${x}`);
    }
}

// A small seeded generator, for the same projects at every run.
function alea(graine) {
    return () => {
        graine = (graine + 0x6d2b79f5) | 0;
        let t = Math.imul(graine ^ (graine >>> 15), 1 | graine);
        t ^= t + Math.imul(t ^ (t >>> 7), 61 | t);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

describe('calculer, comme varquin-cli calc', () => {
    test('les cinq études épinglées', () => {
        const lignes = readFileSync(join(etudes, 'epingles.txt'), 'utf8').split('\n')
            .filter((l) => l.trim() && !l.startsWith('#')).map((l) => l.split(';'));
        assert.equal(lignes.length, 5);
        for (const [nom, ...attendu] of lignes) {
            const fichier = join(etudes, nom);
            const web = JSON.parse(varquin.calculer(readFileSync(fichier), [], fichier));
            memesResultats(web, calcCli(fichier).json, nom);
            assert.deepEqual([...web.valeurs.Fecs, web.valeurs.Productivite_an], attendu.map(Number), nom);
        }
    });

    test('deux cents projets tirés dans les limites des règles', (t) => {
        const hasard = alea(20261207);
        const entier = (a, b) => a + Math.floor(hasard() * (b - a + 1));
        const serie = (a, b) => Array.from({ length: 12 }, () => entier(a, b)).join(';');
        let complets = 0;
        for (let i = 0; i < 200; ++i) {
            const h = varquin.nouveau();
            const parmi = (cle) => { const l = JSON.parse(h.liste(cle)); return l[entier(0, l.length - 1)]; };
            const reglages = [
                ['Pays', () => parmi('Pays')], ['Département', () => parmi('Département')],
                ['Station', () => parmi('Station')], ['Situation.Altitude', () => entier(-100, 2000)],
                ['Conso', () => serie(20, 600)], ['Tref', () => serie(45, 65)],
                ['Orientation', () => entier(-120, 120)]];
            if (hasard() < 0.25) {
                reglages.push(['Type_chauffe-eau', () => parmi('Type_chauffe-eau')], ['inclinaison', () => entier(0, 60)]);
            } else {
                reglages.push(['TypeSysteme', () => 'SYSTEME CAPTEUR BALLON'],
                    ['Type_capteur', () => parmi('Type_capteur')], ['Nb_Capteurs', () => entier(1, 12)],
                    ['inclinaison', () => entier(0, 90)], ['Type_ballon', () => parmi('Type_ballon')],
                    ['B_Situation.Indice', () => entier(1, 3)], ['TLocalChauffe', () => entier(12, 25)],
                    ['Efficacité:TypeDeCalcul', () => parmi('Efficacité:TypeDeCalcul')],
                    ['Etap', () => `0,${entier(30, 90)}`], ['PresenceEchangeur', () => parmi('PresenceEchangeur')],
                    ['TypeAppoint', () => parmi('TypeAppoint')], ['ModeAppoint', () => parmi('ModeAppoint')]);
            }
            if (hasard() < 0.33) {
                const n = entier(2, 6);
                const angles = Array.from({ length: n }, (_, k) => Math.trunc(-130 + (260 * k) / (n - 1)));
                reglages.push(['Masque_Existe', () => 1], ['NB points', () => n],
                    ['Masque_Angle', () => angles.join(';')],
                    ['Masque_Hauteur', () => angles.map(() => entier(0, 40)).join(';')]);
            }
            for (const [cle, valeur] of reglages) {
                const v = String(valeur());
                assert.equal(h.appliquer(cle, v), '', `projet ${i} : ${cle}=${v}`);
            }
            const fichier = join(travail, `p${i}.vqp`);
            writeFileSync(fichier, h.enregistrer());
            h.fermer();
            const natif = calcCli(fichier).json;
            memesResultats(JSON.parse(varquin.calculer(readFileSync(fichier), [], fichier)), natif, `p${i}`);
            complets += natif.calcul_complet ? 1 : 0;
        }
        // Most drawn projects calculate: the comparison is of results, not of refusals.
        assert.ok(complets >= 150, `${complets} projets calculés sur 200`);
        t.diagnostic(`200 projets comparés : ${complets} calculés en entier, ` +
            `${200 - complets} arrêtés avec les mêmes messages`);
    });

    test('les fichiers et les réglages refusés, dans les mêmes mots', () => {
        const octets = readFileSync(lyon);
        const texte = octets.toString('latin1');
        const abimes = {
            'vn.vqp': texte.replace('\r\nVn\t', '\r\nVn\tx'),
            'vide.vqp': '',
            'coupe.vqp': texte.slice(0, texte.length / 2),
            'cle.vqp': texte.replace('\r\nKc\t', '\r\nKz\t'),
            'binaire.vqp': '\x00\xff\x13'.repeat(300),
            'long.vqp': texte.replace('\r\nKc\t4', `\r\nKc\t${'9'.repeat(200000)}`),
        };
        for (const [nom, contenu] of Object.entries(abimes)) {
            const fichier = join(travail, nom);
            writeFileSync(fichier, Buffer.from(contenu, 'latin1'));
            const natif = calcCli(fichier);
            const web = JSON.parse(varquin.calculer(readFileSync(fichier), [], fichier));
            assert.equal(natif.code, 1, `${nom} : ${natif.erreur}`);
            assert.deepEqual(web, natif.json, nom);
        }
        for (const reglage of ['Nb_Capteurs=0', 'KsurB=0', 'cp=1', 'Conso=dix', 'inclinaison']) {
            const natif = calcCli(lyon, [reglage]);
            const web = JSON.parse(varquin.calculer(octets, [reglage], lyon));
            assert.equal(natif.code, 2, reglage);
            assert.deepEqual(web.messages, natif.json.messages, reglage);
            assert.ok(natif.erreur.includes(web.messages[0].texte), reglage);
            // The refusal in the words the page's field gets for the same value.
            const [cle, valeur] = reglage.split('=');
            const h = varquin.ouvrir(octets, 'lyon.vqp');
            if (valeur !== undefined) assert.ok(web.messages[0].texte.endsWith(` refusé. ${h.appliquer(cle, valeur)}`), reglage);
            h.fermer();
        }
    });
});

describe('le projet de la page', () => {
    test('ouvrir, régler, enregistrer comme le programme', () => {
        const reglages = ['TypeSysteme=SYSTEME CAPTEUR BALLON', 'Type_capteur=Plan vitré non sélectif 2,0 m²', 'a=10',
            'Conso=200', 'Économie:Prix=0,2', 'Dossier:Client=Mme Durand'];
        const fichier = join(travail, 'nouveau.vqp');
        execFileSync(cli, ['new', '-o', fichier, '--data', donnees, ...reglages.flatMap((r) => ['--set', r])]);
        const h = varquin.nouveau();
        for (const r of reglages) assert.equal(h.appliquer(...r.split('=')), '', r);
        // The desktop's bytes, but for the "Projet" line: the file's name, not a path.
        const ouvert = varquin.ouvrir(h.enregistrer(), fichier);
        assert.equal(ouvert.erreur(), '');
        const attendu = readFileSync(fichier, 'latin1').replace(`Projet\t${fichier}`, `Projet\t${basename(fichier)}`);
        assert.deepEqual(Buffer.from(ouvert.enregistrer()), Buffer.from(attendu, 'latin1'));
        assert.deepEqual([h.valeur('a'), h.valeur('Nb_Capteurs')], ['10', '5']);
        assert.equal(h.valeur('Conso'), Array(12).fill('200').join(';'));
        assert.equal(h.valeur('TypeSysteme'), 'SYSTEME CAPTEUR BALLON');
        // Choices as their lists write them, whatever the file keeps.
        for (const cle of ['Efficacité:TypeDeCalcul', 'Zone.ValStr']) assert.ok(JSON.parse(h.liste(cle)).includes(h.valeur(cle)), cle);
        assert.equal(h.valeur('Dossier:Client'), 'Mme Durand');
        const valeurs = JSON.parse(h.valeurs());
        for (const cle of ['Capteur:a', 'Besoin:Conso', 'Systeme:TypeSysteme', 'Météo:Station']) assert.equal(valeurs[cle], h.valeur(cle), cle);
        // Every list at once is each key's list, for both kinds of system.
        const monobloc = varquin.ouvrirExemple('saint-denis-reunion-monobloc');
        for (const projet of [h, monobloc]) {
            const listes = JSON.parse(projet.listes());
            const uneParUne = Object.fromEntries(JSON.parse(varquin.regles())
                .map((r) => [r.nom, JSON.parse(projet.liste(r.nom))]).filter(([, l]) => l.length));
            assert.deepEqual(listes, uneParUne);
            assert.ok(listes['Capteur:Type_capteur'].length > 1 && listes['Météo:Station'].length > 0);
        }
        monobloc.fermer();
        memesResultats(JSON.parse(ouvert.resultats()), calcCli(fichier).json, 'nouveau');
        h.fermer();
        ouvert.fermer();

        const refuse = varquin.ouvrir(new Uint8Array([1, 2, 3]), 'abime.vqp');
        assert.match(refuse.erreur(), /abime\.vqp/);
        assert.match(JSON.parse(refuse.resultats()).erreur, /abime\.vqp/);
        refuse.fermer();
    });

    test('les règles, les listes, les exemples, la commune, le foyer et le dimensionnement', () => {
        const regles = JSON.parse(varquin.regles());
        const table = execFileSync(cli, ['regles', '--data', donnees], { encoding: 'utf8' });
        assert.deepEqual(regles.map((r) => `\`${r.nom}\``), [...table.matchAll(/^\| (`[^`]+`)/gm)].map((m) => m[1]));
        const nombre = regles.find((r) => r.nom === 'Capteur:Nb_Capteurs');
        assert.deepEqual([nombre.bornes, nombre.genre, nombre.partie], [{ minimum: 1, maximum: 999 }, 'entier', 'Capteurs']);

        const exemples = JSON.parse(varquin.exemples());
        assert.deepEqual(exemples, readdirSync(join(racine, 'examples')).filter((f) => f.endsWith('.vqp')).sort());
        const h = varquin.ouvrirExemple('lyon-maison-4-personnes');
        assert.equal(h.erreur(), '');
        assert.equal(JSON.parse(h.resultats()).lignes[0].annuel, 62);
        assert.notEqual(varquin.ouvrirExemple('../etc/passwd.vqp').erreur(), '');

        const commune = JSON.parse(varquin.communes('Marseille'))[0];
        assert.equal(commune.departement, 'Bouches-du-Rhône');
        const stations = JSON.parse(varquin.stations(commune.departement));
        assert.equal(h.choisirCommune(commune.departement, stations[0], commune.nom), '');
        assert.deepEqual([h.valeur('Département'), h.valeur('Station'), h.valeur('Dossier:Commune')],
            [commune.departement, stations[0], 'Marseille']);
        assert.ok(JSON.parse(h.liste('Station')).includes(stations[0]));

        // Cold water below the hot: a household of four at 56 l draws less than 224 l/j.
        const foyer = JSON.parse(h.besoinsFoyer(4, 56, Array(12).fill(100)));
        assert.equal(foyer.erreur, '');
        assert.ok(foyer.conso.every((v) => v > 100 && v < 224), foyer.texte);
        assert.equal(h.appliquer('Conso', foyer.texte), '');
        assert.notEqual(JSON.parse(h.besoinsFoyer(-1, 56, Array(12).fill(100))).erreur, '');
        assert.ok(Math.abs(varquin.adultesEquivalents(100, 'maison') - 1.975) < 1e-9);

        const balayage = JSON.parse(h.balayage());
        const resultats = JSON.parse(h.resultats());
        assert.equal(balayage.points[balayage.point_projet].Fecs_an, resultats.valeurs.Fecs_an);
        h.fermer();
        const monobloc = varquin.ouvrirExemple('saint-denis-reunion-monobloc.vqp');
        assert.match(JSON.parse(monobloc.balayage()).erreur, /./);
        monobloc.fermer();
    });

    test('les données de la personne : un capteur et des fiches gardés, rendus à un module neuf', async () => {
        // Modules of their own: the shared one keeps the reference catalogues. The fresh
        // one is made as the page makes it, from the module its head compiled; the other as
        // when that compilation failed.
        const { default: creerVarquin } = await import(join(site, 'varquin.mjs'));
        const a = await creerVarquin({ compilation: Promise.resolve(null) });
        const b = await creerVarquin({ compilation: WebAssembly.compile(readFileSync(join(site, 'varquin-coeur.wasm'))) });
        const h = a.nouveau();
        assert.equal(h.enregistrerElement('capteur', 'Capteur utilisateur 1*', ' ab '),
            'Le nom du capteur doit comporter au moins 3 caractères');
        assert.match(h.enregistrerElement('capteur', '', 'Mon capteur'), /n'est pas une entrée à vous/);
        assert.equal(h.appliquer('Capteur:Bc', '0,71'), '');
        assert.equal(h.enregistrerElement('capteur', 'Capteur utilisateur 1*', ' Mon capteur '), '');
        assert.equal(h.valeur('Capteur:Type_capteur'), 'Mon capteur*');

        const csv = (texte) => new TextEncoder().encode(
            `nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture\n${texte}`);
        const refus = JSON.parse(a.importerCapteurs(csv('Soléo;plan;1,7;;;3,5;0;0,9;2;1,9\n'), 'x/mauvais.csv'));
        assert.equal(refus.nombre, 0);
        assert.match(refus.erreur, /« mauvais\.csv ».*\n.*Ligne 2/);
        assert.deepEqual(JSON.parse(a.importerCapteurs(csv('Soléo;plan;0,78;;;3,5;0,015;0,94;2,51;2,32\n' +
            'Tube CPC 18;tubes;;0,62;0,95;0,9;0,004;0,98;3,1;2,8\n'), 'fiches.csv')), { nombre: 2, erreur: '' });
        const tube = JSON.parse(a.capteursCertifies()).capteurs[1];
        assert.deepEqual([tube.nom, tube.bc, tube.kc, tube.ac, tube.type], ['Tube CPC 18', 0.61535, 1.06, 3.1, 3]);
        assert.equal(h.choisirCapteurCertifie('Tube CPC 18', 3, 'Capteur utilisateur 2*'), '');
        assert.deepEqual([h.valeur('Capteur:Type_capteur'), h.valeur('Capteur:Bc')], ['Tube CPC 18*', '0,61535']);
        assert.match(h.choisirCapteurCertifie('Tube CPC 18', 3, 'Capteur utilisateur 3*'),
            /déjà le capteur « Tube CPC 18\* »/);
        h.fermer();

        const fichiers = a.fichiersUtilisateur();
        assert.deepEqual(Object.keys(fichiers).sort(),
            ['Systeme/Capteurs/Capteurs.txt', 'Systeme/Capteurs/CapteursCertifies.csv']);
        assert.match(b.remettreFichiers({ '../MESSAGES.TXT': new Uint8Array(1) }), /pas un fichier de vos données/);
        assert.equal(b.remettreFichiers(fichiers), '');
        const g = b.nouveau();
        assert.equal(g.appliquer('Capteur:Type_capteur', 'Mon capteur*'), '');
        assert.equal(g.valeur('Capteur:Bc'), '0,71');
        assert.equal(JSON.parse(b.capteursCertifies()).capteurs.length, 2);
        // A damaged catalogue is refused and the one in use kept.
        assert.match(b.remettreFichiers({ 'Systeme/Capteurs/Capteurs.txt': new Uint8Array([65]) }),
            /n'ont pas été reprises/);
        assert.ok(JSON.parse(g.liste('Capteur:Type_capteur')).includes('Tube CPC 18*'));
        g.fermer();
    });
});

describe('des entrées abîmées', () => {
    test('ne font jamais tomber le module', () => {
        const hasard = alea(20240611);
        const base = readFileSync(lyon);
        const extremes = ['-1', '0', '1e30', 'NaN', 'abc', '9'.repeat(400), '', '\x1b[31m1'];
        const cles = JSON.parse(varquin.regles()).map((r) => r.nom);
        const abimer = (octets) => {
            let lignes = Buffer.from(octets).toString('latin1').split('\n');
            const i = Math.floor(hasard() * lignes.length);
            switch (Math.floor(hasard() * 6)) {
            case 0: return octets.subarray(0, Math.floor(hasard() * octets.length));
            case 1: { const t = Buffer.from(octets); for (let k = 0; k < 8; ++k) t[Math.floor(hasard() * t.length)] = hasard() * 256; return t; }
            case 2: lignes[i] = lignes[i].replace(/-?\d[\d.,]*/, extremes[Math.floor(hasard() * extremes.length)]); break;
            case 3: lignes.splice(i, 1); break;
            case 4: lignes.splice(i, 0, lignes[i]); break;
            default: lignes[i] += ['\x1b[2J', '\xff\xfe', '\xc2\x9b', '9'.repeat(200000)][Math.floor(hasard() * 4)];
            }
            return Buffer.from(lignes.join('\n'), 'latin1');
        };
        for (let i = 0; i < 300; ++i) {
            const octets = abimer(i % 3 ? base : abimer(base));
            const reglages = i % 2 ? [] : [`${cles[i % cles.length]}=${extremes[i % extremes.length]}`];
            const json = JSON.parse(varquin.calculer(octets, reglages, 'abime.vqp'));
            assert.equal(typeof json.calcul_complet, 'boolean', `essai ${i}`);
            if (!json.calcul_complet) assert.ok(json.messages.length > 0, `essai ${i}`);
        }
        // Settings that are not texts are read as their text.
        assert.equal(JSON.parse(varquin.calculer(base, [{}, 7], 'lyon.vqp')).messages[0].texte.slice(0, 17), '« [object Object]');
        assert.equal(JSON.parse(varquin.calculer(base, [], 'lyon.vqp')).lignes[0].annuel, 62);
    });
});
