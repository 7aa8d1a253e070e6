// The page: loads the calculation core (WebAssembly), makes the sheet from its rules
// table and keeps one project open. Every change goes to the project, which checks
// and recalculates it; the page then shows again what the project holds. The page
// computes nothing itself, and the project never leaves the machine: files are read
// and written by the browser.

import { varquinPartage } from './varquin.mjs';
import { Formulaire } from './formulaire.mjs';
import { ecrire } from './champs.mjs';
import { Resultats } from './resultats.mjs';
import { Dimensionnement } from './dimensionnement.mjs';
import { Impression } from './impression.mjs';
import { RechercheCommune } from './commune.mjs';
import { MesElements } from './catalogue.mjs';
import { lireReponse, garderDonnees, versJson, depuisJson } from './donnees.mjs';

// The examples' names as the menu shows them; an example the module holds without a
// name here shows its file name.
const EXEMPLES = {
    'lyon-maison-4-personnes': 'Lyon, maison de 4 personnes',
    'marseille-maison-masque': 'Marseille, maison avec masque',
    'saint-denis-reunion-monobloc': 'Saint-Denis (La Réunion), monobloc',
    'strasbourg-logements-collectifs': 'Strasbourg, logements collectifs',
};

const $ = (id) => document.getElementById(id);
const alerte = $('alerte');
alerte.addEventListener('click', () => signaler(''));

function signaler(message) {
    alerte.textContent = message;
    alerte.hidden = !message;
}

// Hands a file to the browser to save.
function telecharger(octets, nom, type) {
    const lien = document.createElement('a');
    lien.href = URL.createObjectURL(new Blob([octets], { type }));
    lien.download = nom;
    document.body.append(lien);
    lien.click();
    lien.remove();
    setTimeout(() => URL.revokeObjectURL(lien.href), 10000);
}

// What the core threw, as a sentence.
function raison(erreur) {
    if (typeof erreur === 'string') return erreur;
    return erreur?.message || String(erreur);
}

// Frees a project handle (and its binding object, where the binding has one).
function fermer(h) {
    if (!h) return;
    if (h.fermer) {
        h.fermer();
    } else {
        h.fermerProjet?.();
        h.delete?.();
    }
}

class Application {
    constructor(varquin) {
        this.varquin = varquin;
        this.h = null;
        this.nom = '';
        this.regles = JSON.parse(varquin.regles());
        // Every value of the project, and every list, in one call each, read again after
        // any change (which empties the cache).
        this.cache = null;
        const lu = (quoi) => {
            this.cache ??= {};
            if (!(quoi in this.cache)) {
                try {
                    this.cache[quoi] = this.h ? JSON.parse(this.h[quoi]()) : {};
                } catch {
                    this.cache[quoi] = {};
                }
            }
            return this.cache[quoi];
        };
        const projet = {
            valeur: (cle) => {
                if (!this.h) return '';
                const v = lu('valeurs')[cle];
                return v === undefined ? String(this.h.valeur(cle) ?? '') : String(v);
            },
            // The choices of a value now, an array of texts.
            liste: (cle) => {
                const liste = lu('listes')[cle] ?? [];
                // The stations are those proposed for the department, as the commune search has them.
                if (cle === 'Météo:Station' && !liste.length && varquin.stations)
                    return JSON.parse(varquin.stations(projet.valeur('Météo:Département')));
                return liste;
            },
            appliquer: (cle, texte) => {
                this.cache = null;
                try {
                    return this.h.appliquer(cle, texte) || '';
                } catch (e) {
                    return raison(e);
                }
            },
            besoinsFoyer: (occupants, litres, occupation) => this.h.besoinsFoyer(occupants, litres, occupation),
            adultesEquivalents: varquin.adultesEquivalents
                ? (surface, logement) => varquin.adultesEquivalents(surface, logement) : null,
        };
        this.formulaire = new Formulaire({ feuille: $('formulaire'), Économie: $('hypotheses'),
            Dossier: $('champs-dossier') }, this.regles, projet, (champ, refus) => this.apres(champ, refus));
        this.commune = new RechercheCommune(varquin, (departement, station, commune) =>
            this.changer(() => this.h.choisirCommune(departement, station, commune)),
        (champ, refus) => this.apres(champ, refus));
        const station = this.formulaire.champ('Météo:Station');
        if (station) station.racine.after(this.commune.racine);
        this.mes = new MesElements(varquin, () => this.h, projet.valeur, (refus) => this.apresDonnees(refus));
        for (const bloc of this.mes.blocs) this.formulaire.champ(bloc.cle)?.racine.after(bloc.racine);
        this.formulaire.parties.get('Capteurs')?.append(this.mes.certifies);
        this.resultats = new Resultats();
        this.dimensionnement = new Dimensionnement((point, ballon) => this.choisirPoint(point, ballon));
        this.impression = new Impression(this.regles);
        this.v = projet.valeur;
        this.impressionAJour = false;
        this.balayageAJour = false;
        $('dimensionnement').addEventListener('toggle', () => this.planifierBalayage());
    }

    // After a change: a refusal is shown beside the field and above the sheet, and
    // the field shows the value kept; otherwise everything is shown again.
    apres(champ, refus) {
        if (refus) {
            champ.montrerRefus(refus);
            signaler(refus);
            champ.afficher();
            return;
        }
        champ.montrerRefus('');
        signaler('');
        this.rafraichir(champ);
    }

    // A change the core makes to the project: the values are read again after it.
    changer(faire) {
        this.cache = null;
        return faire();
    }

    // After the person's files changed (an entry stored, collectors imported): what
    // the core said, the files kept in the browser, the sheet shown again.
    apresDonnees(refus) {
        this.cache = null;
        signaler(refus);
        this.garderDonnees();
        this.rafraichir();
    }

    // The person's files into the browser's storage, one write after the other.
    garderDonnees() {
        let fichiers;
        try {
            fichiers = this.varquin.fichiersUtilisateur();
        } catch (e) {
            signaler(`Vos données n'ont pas pu être lues : ${raison(e)}`);
            return this.garde;
        }
        document.body.dataset.donnees = 'en-cours';
        this.garde = (this.garde ?? Promise.resolve()).then(() => garderDonnees(fichiers)).catch((e) =>
            signaler(`Vos données n'ont pas pu être gardées dans ce navigateur : ${raison(e)}`));
        const garde = this.garde;
        garde.then(() => {
            if (garde === this.garde) document.body.dataset.donnees = 'gardees';
        });
        return garde;
    }

    exporterDonnees() {
        const fichiers = this.varquin.fichiersUtilisateur();
        if (!Object.keys(fichiers).length) {
            signaler('Vous n\'avez encore aucune donnée à vous : rien à exporter.');
            return;
        }
        telecharger(versJson(fichiers), 'varquin-donnees.json', 'application/json');
    }

    async importerDonnees(fichier) {
        let fichiers;
        try {
            fichiers = depuisJson(await fichier.text(), fichier.name);
        } catch (e) {
            signaler(raison(e));
            return;
        }
        this.apresDonnees(this.varquin.remettreFichiers(fichiers));
    }

    // The results and the sheet within the frame. After a change `champ` shows its
    // stored value at once.
    rafraichir(champ = null) {
        this.cache = null;
        this.formulaire.afficher();
        champ?.afficher();
        this.mes.afficher();
        let resultats;
        try {
            resultats = JSON.parse(this.h.resultats());
        } catch (e) {
            signaler(`Les résultats n'ont pas pu être calculés : ${raison(e)}`);
            return;
        }
        this.cache = null; // the run may have given the components values of its own
        this.derniers = resultats;
        this.resultats.afficher(resultats);
        ecrire($('fichier'), 'textContent', this.nom);
        ecrire(document, 'title', `${this.nom || 'Nouveau projet'} — VARQUIN`);
        this.impressionAJour = false;
        this.balayageAJour = false;
        this.planifierBalayage();
        // The printed page and the sizing study are redone after the frame, not in it.
        (window.requestIdleCallback ?? setTimeout)(() => this.preparerImpression(), { timeout: 500 });
    }

    preparerImpression() {
        if (this.impressionAJour || !this.derniers) return;
        this.impression.construire(this.v, this.nom, this.derniers);
        this.impressionAJour = true;
    }

    planifierBalayage() {
        if (!this.h || this.balayageAJour || !this.dimensionnement.ouvert()) return;
        clearTimeout(this.minuterieBalayage);
        this.minuterieBalayage = setTimeout(() => {
            try {
                this.dimensionnement.afficher(JSON.parse(this.h.balayage()));
                this.balayageAJour = true;
            } catch (e) {
                signaler(`L'étude de dimensionnement n'a pas pu être faite : ${raison(e)}`);
            }
        }, 30);
    }

    choisirPoint(point, ballon) {
        this.cache = null;
        for (const [cle, valeur] of [['Capteur:Nb_Capteurs', String(point.Nb_Capteurs)],
            ['Ballon:Type_ballon', ballon?.nom]]) {
            if (valeur === undefined) continue;
            const message = this.h.appliquer(cle, valeur);
            if (message) {
                signaler(message);
                break;
            }
        }
        this.rafraichir();
    }

    // Replaces the open project by the one `ouvrir` gives; a failure keeps it.
    remplacer(ouvrir, nom) {
        let h;
        try {
            h = ouvrir();
        } catch (e) {
            signaler(raison(e));
            return false;
        }
        const erreur = h ? (h.erreur?.() ?? '') : `« ${nom} » n'a pas pu être ouvert.`;
        if (erreur) {
            fermer(h);
            signaler(erreur);
            return false;
        }
        fermer(this.h);
        this.h = h;
        this.cache = null;
        this.nom = nom;
        signaler('');
        this.formulaire.effacerRefus();
        $('enregistrer').disabled = false;
        $('imprimer').disabled = false;
        this.rafraichir();
        return true;
    }

    enregistrer() {
        let octets;
        try {
            octets = this.h.enregistrer();
        } catch (e) {
            signaler(`Le projet n'a pas pu être enregistré : ${raison(e)}`);
            return;
        }
        telecharger(octets, /\.vqp$/i.test(this.nom) ? this.nom : `${this.nom || 'projet'}.vqp`,
            'application/octet-stream');
    }

    brancher() {
        $('nouveau').addEventListener('click', () => this.remplacer(() => this.varquin.nouveau(), 'nouveau.vqp'));
        $('ouvrir').addEventListener('change', async (e) => {
            const fichier = e.target.files?.[0];
            e.target.value = '';
            if (!fichier) return;
            const octets = new Uint8Array(await fichier.arrayBuffer());
            this.remplacer(() => this.varquin.ouvrir(octets, fichier.name), fichier.name);
        });
        const liste = $('exemples');
        let fichiers = Object.keys(EXEMPLES).map((n) => `${n}.vqp`);
        try {
            fichiers = JSON.parse(this.varquin.exemples());
        } catch {
            // the menu keeps the examples known to the page
        }
        for (const fichier of fichiers) {
            const nom = fichier.replace(/\.vqp$/i, '');
            const option = document.createElement('option');
            option.value = nom;
            option.textContent = EXEMPLES[nom] ?? nom;
            liste.append(option);
        }
        liste.addEventListener('change', () => {
            if (liste.value) this.ouvrirExemple(liste.value);
            liste.value = '';
        });
        $('enregistrer').addEventListener('click', () => this.enregistrer());
        $('imprimer').addEventListener('click', () => {
            this.preparerImpression();
            window.print();
        });
        window.addEventListener('beforeprint', () => this.preparerImpression());
        $('exporter-donnees').addEventListener('click', () => this.exporterDonnees());
        $('importer-donnees').addEventListener('change', (e) => {
            const fichier = e.target.files?.[0];
            e.target.value = '';
            if (fichier) this.importerDonnees(fichier);
        });
    }

    ouvrirExemple(nom) {
        const fichier = /\.vqp$/i.test(nom) ? nom : `${nom}.vqp`;
        return this.remplacer(() => this.varquin.ouvrirExemple(fichier), fichier);
    }
}

// The person's own files kept in this browser, { fichiers } or { erreur }: the read the
// page's head started, or one started now. A browser whose storage does not answer
// (some headless or locked-down ones) must not keep the page from opening: after a few
// seconds it opens without them.
function lireDonneesAuPlus(ms) {
    const lecture = window.varquinStockage ?? lireReponse();
    return Promise.race([lecture, new Promise((ok) =>
        setTimeout(() => ok({ erreur: new Error('le stockage du navigateur ne répond pas') }), ms))]);
}

// A lighter first frame: the sections below the first screen (all but the weather, the
// column beside it and the results) are laid out once the first frame is painted. The
// sheet is whole in the page from the start; only its drawing is put off by a frame.
// Once each section has been drawn (and its height is known, which keeps the page's
// length), those off the screen are drawn only when scrolled to, not at every edit.
function differerSections() {
    const sections = [...document.querySelectorAll('#projet .partie')].filter((s) =>
        s.id !== 'partie-meteo' && s.id !== 'resultats' && !s.closest('.pile'));
    for (const s of sections) s.classList.add('differee');
    const apresImage = (suite) => requestAnimationFrame(() => setTimeout(suite, 0));
    apresImage(() => {
        for (const s of sections) s.classList.remove('differee');
        apresImage(() => $('projet').classList.add('a-la-demande'));
    });
}

// The header stays at the top of wide screens: what a link, a search or the tab key
// scrolls to is shown below it, whatever its height once its buttons wrap.
function degagerEntete() {
    const barre = document.querySelector('.barre');
    new ResizeObserver(() => {
        const collee = getComputedStyle(barre).position === 'sticky';
        document.documentElement.style.scrollPaddingTop = collee ? `${barre.offsetHeight + 8}px` : '';
    }).observe(barre);
}

// The marks name the steps of a first load, for the page's benchmark.
async function demarrer() {
    degagerEntete();
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
        navigator.serviceWorker.register('sw.js').catch(() => {});
    }
    // Read while the core loads; a failure is told once the page can show it.
    const stockage = lireDonneesAuPlus(3000);
    // The document finishes parsing first: the style and layout the browser makes then
    // are made on the empty page, not on the whole sheet once built (some 80 ms sooner
    // painted on a cold load).
    await new Promise((fin) => setTimeout(fin, 0));
    let varquin;
    try {
        varquin = await varquinPartage();
        performance.mark('varquin-module');
    } catch (e) {
        $('attente').textContent = `Le calcul n'a pas pu être chargé : ${raison(e)}`;
        return;
    }
    // The person's own files back into the data folder before any project opens, so
    // that the catalogues and their lists hold them.
    let reprise = '';
    try {
        const { fichiers, erreur } = await stockage;
        if (erreur) throw erreur;
        if (Object.keys(fichiers).length) reprise = varquin.remettreFichiers(fichiers);
    } catch (e) {
        reprise = `Vos données n'ont pas pu être lues dans ce navigateur : ${raison(e)}`;
    }
    const panne = varquin.demarrage?.() ?? '';
    performance.mark('varquin-donnees');
    if (panne) {
        $('attente').textContent = panne;
        return;
    }
    const app = new Application(varquin);
    app.brancher();
    performance.mark('varquin-feuille');
    $('attente').hidden = true;
    differerSections();
    $('projet').hidden = false;
    const exemple = new URLSearchParams(location.search).get('exemple');
    if (!(exemple && app.ouvrirExemple(exemple))) app.remplacer(() => varquin.nouveau(), 'nouveau.vqp');
    if (reprise) signaler(reprise);
    document.body.dataset.pret = 'oui';
    performance.mark('varquin-pret'); // the results in the page: what a benchmark times
    // The frame that paints them starts its rendering here, and a task queued now runs
    // once it is painted (unless other tasks were queued before it).
    requestAnimationFrame(() => {
        performance.mark('varquin-image');
        setTimeout(() => performance.mark('varquin-affiche'), 0);
    });
    // What the first visit loaded is kept, so that the page works offline after it.
    navigator.serviceWorker?.ready.then((r) => r.active?.postMessage({
        garder: performance.getEntriesByType('resource').map((e) => e.name),
    })).catch(() => {});
}

demarrer();
