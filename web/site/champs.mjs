// One field per input rule. Its kind follows the rule: a box to tick for a 0/1
// switch, a drop-down list for a short list, a text box with suggestions to type into
// for a long one (catalogues, stations), twelve boxes for a monthly value, a text box
// otherwise. The field never checks a value itself: it hands the text to the project
// and shows back what the project holds.

import { texteChamp, texteCourt, lireSerie } from './format.mjs';

const MOIS = ['janv.', 'févr.', 'mars', 'avr.', 'mai', 'juin', 'juil.', 'août', 'sept.', 'oct.',
    'nov.', 'déc.'];
// Above this many entries a list is typed into rather than unrolled.
const LISTE_COURTE = 12;

let compteur = 0;
function identifiant(prefixe) {
    compteur += 1;
    return `${prefixe}-${compteur}`;
}

function element(nom, attributs = {}, ...enfants) {
    const e = document.createElement(nom);
    for (const [cle, valeur] of Object.entries(attributs)) {
        if (cle === 'texte') e.textContent = valeur;
        else if (cle === 'classe') e.className = valeur;
        else e.setAttribute(cle, valeur);
    }
    e.append(...enfants);
    return e;
}
export { element };

// Sets a property only when it changes: an unchanged field is neither restyled nor
// repainted when the whole sheet is shown again after an edit.
export function ecrire(objet, propriete, valeur) {
    if (objet[propriete] !== valeur) objet[propriete] = valeur;
}

// Gives the drop-down list `choix` the entries `entrees`, unless it has them already.
export function remplirOptions(choix, entrees) {
    const options = choix.options;
    if (options.length === entrees.length && entrees.every((e, i) => options[i].value === e)) return;
    choix.replaceChildren(...entrees.map((e) => element('option', { value: e, texte: e })));
}

function genre(regle) {
    return String(regle.genre ?? '').toLowerCase();
}

// A 0/1 whole number is a switch.
function estCase(regle) {
    return genre(regle) === 'entier' && regle.bornes?.minimum === 0 && regle.bornes?.maximum === 1;
}

// What the person may give, for the tooltip: the rule's own words, or its bounds.
function aideRegle(regle) {
    if (regle.admises) return `Valeurs admises : ${regle.admises}`;
    if (regle.bornes) {
        const b = (n) => String(n).replace('.', ',');
        return `Valeurs admises : de ${b(regle.bornes.minimum)} à ${b(regle.bornes.maximum)}`;
    }
    return '';
}

export class Champ {
    // `projet` gives valeur(cle), liste(cle) (an array) and appliquer(cle, texte) ->
    // refusal or "".
    constructor(regle, projet, quandChange) {
        this.regle = regle;
        this.projet = projet;
        this.quandChange = quandChange;
        this.listeTexte = null;
        this.racine = element('div', { classe: 'champ', 'data-cle': regle.nom });
        this.refus = element('p', { classe: 'refus', id: identifiant('refus'), hidden: '' });
        const g = genre(regle);
        if (g === 'mois') this.construireMois();
        else if (estCase(regle)) this.construireCase();
        else if (g === 'choix' || g === 'liste') this.construireListe();
        else this.construireTexte();
        this.racine.append(this.refus);
        const aide = aideRegle(regle);
        if (aide) this.racine.title = aide;
    }

    cle() {
        return this.regle.nom;
    }

    libelle(pour) {
        return element('label', { for: pour, texte: this.regle.libelle });
    }

    construireTexte() {
        const id = identifiant('champ');
        const g = genre(this.regle);
        const nombre = g === 'nombre' || g === 'entier';
        this.saisie = element('input', {
            id,
            type: 'text',
            autocomplete: 'off',
            spellcheck: 'false',
            'aria-describedby': this.refus.id,
        });
        if (nombre) {
            this.saisie.inputMode = 'decimal';
            this.saisie.classList.add('nombre');
        } else {
            this.saisie.classList.add('texte');
        }
        this.datalist = element('datalist', { id: identifiant('liste') });
        this.saisie.setAttribute('list', this.datalist.id);
        this.racine.append(this.libelle(id), this.saisie, this.datalist);
        this.saisie.addEventListener('change', () => this.donner(this.saisie.value));
        this.saisie.addEventListener('keydown', (e) => {
            if (e.key === 'Escape') this.afficher();
        });
        // A long list is searched by typing: the field empties on entry (its value
        // stays as the placeholder), so every entry shows until letters narrow it.
        this.saisie.addEventListener('focus', () => {
            if (!this.recherche()) return;
            this.saisie.placeholder = this.saisie.value;
            this.saisie.value = '';
        });
        this.saisie.addEventListener('blur', () => {
            if (this.recherche() && this.saisie.value === '') this.afficher();
        });
    }

    // A field whose every value comes from its list (a catalogue, a station).
    recherche() {
        const g = genre(this.regle);
        return (g === 'catalogue' || g === 'texte' || g === 'liste') &&
            (this.datalist?.options.length ?? 0) > 0;
    }

    construireCase() {
        const id = identifiant('champ');
        this.saisie = element('input', { id, type: 'checkbox', 'aria-describedby': this.refus.id });
        this.racine.classList.add('case');
        this.racine.append(this.saisie, this.libelle(id));
        this.saisie.addEventListener('change', () => this.donner(this.saisie.checked ? '1' : '0'));
    }

    construireListe() {
        const id = identifiant('champ');
        this.choix = element('select', { id, 'aria-describedby': this.refus.id });
        this.racine.append(this.libelle(id), this.choix);
        this.choix.addEventListener('change', () => this.donner(this.choix.value));
        // A long list is typed into instead (see afficher).
        this.construireTexte();
        this.racine.querySelector(`label[for="${this.saisie.id}"]`).remove();
        this.saisie.hidden = true;
    }

    construireMois() {
        this.racine.classList.add('mois');
        const titre = element('span', { classe: 'titre-mois', texte: this.regle.libelle });
        const grille = element('div', { classe: 'grille-mois', role: 'group' });
        grille.setAttribute('aria-label', this.regle.libelle);
        this.saisiesMois = MOIS.map((m) => {
            const id = identifiant('champ');
            const saisie = element('input', {
                id, type: 'text', inputmode: 'decimal', autocomplete: 'off', classe: 'nombre',
                'aria-describedby': this.refus.id,
            });
            saisie.setAttribute('aria-label', `${this.regle.libelle} (${m})`);
            saisie.addEventListener('change', () =>
                this.donner(this.saisiesMois.map((s) => s.value.trim() || '0').join(';')));
            grille.append(element('label', { for: id, texte: m }, saisie));
            return saisie;
        });
        this.moyenne = element('output', { classe: 'moyenne' });
        grille.append(element('span', { classe: 'moy', texte: 'moy.' }, this.moyenne));
        this.racine.append(titre, grille);
    }

    // Hands the text to the project; a refusal is shown beside the field, which shows
    // the value kept.
    donner(texte) {
        const refus = this.projet.appliquer(this.cle(), texte);
        this.quandChange(this, refus);
        return refus;
    }

    montrerRefus(message) {
        this.refus.textContent = message;
        this.refus.hidden = !message;
        this.racine.classList.toggle('refuse', Boolean(message));
    }

    // Shows the project's value (and list), as the project holds it now.
    afficher() {
        const valeur = this.projet.valeur(this.cle());
        const decimales = Number.isInteger(this.regle.decimales) ? this.regle.decimales : -1;
        if (this.saisiesMois) {
            const valeurs = lireSerie(valeur);
            const n = valeurs.length === 1 ? Array(12).fill(valeurs[0]) : valeurs;
            this.saisiesMois.forEach((s, i) => {
                ecrire(s, 'value', texteCourt(n[i] ?? '', decimales < 0 ? 2 : decimales));
            });
            const nombres = n.map((v) => Number(String(v).replace(',', '.')));
            const moy = nombres.reduce((a, b) => a + b, 0) / (nombres.length || 1);
            ecrire(this.moyenne, 'value', Number.isFinite(moy) ? texteCourt(moy, 1) : '');
            return;
        }
        if (this.saisie?.type === 'checkbox') {
            ecrire(this.saisie, 'checked', Number(String(valeur).replace(',', '.')) !== 0);
            return;
        }
        this.remplirListe();
        if (this.choix && !this.choix.hidden) {
            const options = [...this.choix.options];
            // A calculation choice is held as its code 0, 1, 2: the list's entry of that rank.
            const rang = /^\d+$/.test(valeur) ? options[Number(valeur)] : undefined;
            if (!options.some((o) => o.value === valeur)) {
                if (rang) {
                    ecrire(this.choix, 'value', rang.value);
                    return;
                }
                this.choix.append(element('option', { value: valeur, texte: valeur }));
            }
            ecrire(this.choix, 'value', valeur);
            return;
        }
        if (document.activeElement === this.saisie && this.recherche()) {
            this.saisie.placeholder = valeur;
            this.saisie.value = '';
        } else {
            ecrire(this.saisie, 'value', texteChamp(valeur, decimales));
        }
    }

    remplirListe() {
        if (!this.projet.liste) return;
        const entrees = (this.projet.liste(this.cle()) ?? []).map(String);
        const texte = entrees.join('\n');
        if (texte === this.listeTexte) return;
        this.listeTexte = texte;
        // A short list is a drop-down; a long one, suggestions to the text box.
        const courte = Boolean(this.choix) && entrees.length > 0 && entrees.length <= LISTE_COURTE;
        this.datalist.replaceChildren(...(courte ? [] : entrees).map((e) => element('option', { value: e })));
        if (this.choix) {
            remplirOptions(this.choix, courte ? entrees : []);
            this.choix.hidden = !courte;
            this.saisie.hidden = courte;
            const pour = courte ? this.choix.id : this.saisie.id;
            this.racine.querySelector('label')?.setAttribute('for', pour);
        }
    }
}
