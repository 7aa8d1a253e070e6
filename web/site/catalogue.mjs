// The person's own catalogue entries: the edited collector, one-piece water heater or
// tank stored under a name over one of their entries (names ending with "*"), and the
// library of certified collectors (a CSV file imported, the list searched, one chosen
// for the project), as the desktop's « Capteurs certifiés » does. The core checks,
// writes and refuses; the page only shows what it answers.

import { element, ecrire, remplirOptions } from './champs.mjs';
import { texteChamp } from './format.mjs';

// The item, the key of its catalogue value, and how the page names it to the core.
export const ELEMENTS = [
    { element: 'capteur', cle: 'Capteur:Type_capteur' },
    { element: 'chauffe-eau', cle: 'Capteur:Type_chauffe-eau' },
    { element: 'ballon', cle: 'Ballon:Type_ballon' },
];

// Case and accents ignored: "Évacué" and "evacue" are the same key.
const cleRecherche = (texte) => texte.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase();

const liste = (texte) => {
    try {
        return JSON.parse(texte);
    } catch {
        return [];
    }
};

let compteur = 0;
const identifiant = (prefixe) => `${prefixe}-${(compteur += 1)}`;

function champ(libelle, saisie) {
    saisie.id ||= identifiant('perso');
    return element('div', { classe: 'champ' }, element('label', { for: saisie.id, texte: libelle }), saisie);
}

// Fills a list of the person's entries, keeping `voulue` chosen when it is one.
function remplirEntrees(choix, entrees, voulue) {
    const gardee = entrees.includes(voulue) ? voulue : (entrees.includes(choix.value) ? choix.value : entrees[0]);
    remplirOptions(choix, entrees);
    if (gardee !== undefined) ecrire(choix, 'value', gardee);
}

export class MesElements {
    // `varquin` the core; `projet()` the open project's handle; `valeur(cle)` a value of
    // it; `apres(refus)` shows what the core answered after a change of the person's files.
    constructor(varquin, projet, valeur, apres) {
        this.varquin = varquin;
        this.projet = projet;
        this.valeur = valeur;
        this.apres = apres;
        this.blocs = ELEMENTS.map((e) => this.construireBloc(e));
        this.certifies = this.construireCertifies();
    }

    // Below an item's catalogue field: the entry to replace, the name, the button.
    construireBloc(e) {
        const entree = element('select', {});
        const nom = element('input', { type: 'text', autocomplete: 'off', spellcheck: 'false', classe: 'texte' });
        const bouton = element('button', { type: 'button', texte: 'Enregistrer dans le catalogue' });
        const racine = element('div', { classe: 'perso', 'data-element': e.element },
            champ('Entrée à remplacer', entree), champ('Nom à enregistrer', nom), bouton);
        racine.title = 'Les valeurs du projet sont écrites dans le catalogue sous ce nom, à la place ' +
            'de l\'entrée choisie (une des vôtres, au nom finissant par « * »).';
        bouton.addEventListener('click', () => {
            const refus = this.projet().enregistrerElement(e.element, entree.value, nom.value);
            this.apres(refus);
        });
        nom.addEventListener('keydown', (k) => {
            if (k.key === 'Enter') bouton.click();
        });
        return { ...e, racine, entree, nom };
    }

    construireCertifies() {
        const fichier = element('input', { type: 'file', accept: '.csv,.txt,text/csv', hidden: '' });
        fichier.id = identifiant('csv');
        const importer = element('label', { classe: 'bouton', for: fichier.id, texte: 'Importer un fichier CSV…' });
        const recherche = element('input', { type: 'search', placeholder: 'Rechercher un capteur', autocomplete: 'off' });
        recherche.setAttribute('aria-label', 'Rechercher un capteur');
        const corps = element('tbody', {});
        const table = element('table', { classe: 'grille certifies' },
            element('thead', {}, element('tr', {}, ...['Capteur', 'Type', 'Bc', 'Kc', 'Ac [m²]']
                .map((t) => element('th', { texte: t })))), corps);
        const etat = element('p', { classe: 'aide etat-certifies' });
        const type = element('select', {});
        const entree = element('select', {});
        const choisir = element('button', { type: 'button', texte: 'Choisir pour le projet' });
        const racine = element('details', { classe: 'certifies', id: 'capteurs-certifies' },
            element('summary', { texte: 'Capteurs certifiés' }),
            element('div', { classe: 'rangee' }, recherche, importer, fichier),
            element('div', { classe: 'defile liste-certifies' }, table), etat,
            element('p', { classe: 'aide', texte: 'Bc = η0,hem, ou η0,b × (0,85 + 0,15 × Kd) ; ' +
                'Kc = a1 + a2 × 40 K ; Ac = surface brute.' }),
            champ('Type pour la méthode', type), champ('Entrée à remplacer', entree), choisir);
        fichier.addEventListener('change', async () => {
            const f = fichier.files?.[0];
            fichier.value = '';
            if (!f) return;
            const reponse = liste(this.varquin.importerCapteurs(new Uint8Array(await f.arrayBuffer()), f.name));
            this.lire();
            if (!reponse.erreur) {
                etat.textContent = reponse.nombre > 1 ? `${reponse.nombre} capteurs importés de « ${f.name} ».`
                    : `${reponse.nombre} capteur importé de « ${f.name} ».`;
            }
            this.apres(reponse.erreur ?? '');
        });
        recherche.addEventListener('input', () => this.filtrer());
        choisir.addEventListener('click', () => {
            const fiche = this.choisie();
            const refus = fiche ? this.projet().choisirCapteurCertifie(fiche.nom, Number(type.value), entree.value)
                : 'Choisissez un capteur de la liste.';
            this.apres(refus);
        });
        corps.addEventListener('change', () => {
            const fiche = this.choisie();
            if (!fiche) return;
            type.value = String(fiche.type);
            if ([...entree.options].some((o) => o.value === `${fiche.nom}*`)) entree.value = `${fiche.nom}*`;
        });
        for (const c of liste(this.varquin.categoriesCapteurs()))
            type.append(element('option', { value: String(c.code), texte: c.nom }));
        Object.assign(this, { corps, recherche, etat, type, entreeCertifie: entree, fiches: [] });
        // The library is read when the person opens it: always as it is now, and not on
        // the page's first load.
        racine.addEventListener('toggle', () => {
            if (racine.open) this.lire();
        });
        return racine;
    }

    // The library as the core reads it, one row each.
    lire() {
        const reponse = liste(this.varquin.capteursCertifies());
        this.fiches = reponse.capteurs ?? [];
        const d = (v, n) => (v === null || v === undefined ? '' : texteChamp(String(v), n));
        this.corps.replaceChildren(...this.fiches.map((f, i) => {
            const bouton = element('input', { type: 'radio', name: 'capteur-certifie', value: String(i) });
            const genre = f.genre === 'tubes' ? 'Tubes sous vide' : 'Plan';
            const ligne = element('tr', {}, element('th', {}, element('label', {}, bouton, ` ${f.nom}`)),
                element('td', { texte: genre }), element('td', { texte: d(f.bc, 3) }),
                element('td', { texte: d(f.kc, 2) }), element('td', { texte: d(f.ac, 2) }));
            ligne.dataset.cle = cleRecherche(`${f.nom} ${genre}`);
            return ligne;
        }));
        this.etat.textContent = reponse.erreur || (this.fiches.length ? ''
            : 'La bibliothèque est vide : importez un fichier CSV de fiches certifiées.');
        this.filtrer();
    }

    filtrer() {
        const cle = cleRecherche(this.recherche.value.trim());
        for (const ligne of this.corps.rows) ligne.hidden = Boolean(cle) && !ligne.dataset.cle.includes(cle);
    }

    choisie() {
        const bouton = this.corps.querySelector('input:checked');
        return bouton ? this.fiches[Number(bouton.value)] : undefined;
    }

    // The person's entries and the project's items, as they are now.
    afficher() {
        for (const b of this.blocs) {
            const entrees = liste(this.varquin.entreesUtilisateur(b.element));
            const courant = this.valeur(b.cle);
            remplirEntrees(b.entree, entrees, courant);
            if (document.activeElement !== b.nom)
                ecrire(b.nom, 'value', courant.endsWith('*') ? courant.slice(0, -1) : '');
        }
        remplirEntrees(this.entreeCertifie, liste(this.varquin.entreesUtilisateur('capteur')),
            this.valeur('Capteur:Type_capteur'));
    }
}
