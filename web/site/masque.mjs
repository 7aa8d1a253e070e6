// The horizon mask: its points as a table (azimuth and angular height), drawn beside
// it. A cell changed sends its whole column to the project, which checks every point;
// the number of points is the rule « Nombre de points du masque » shown above.

import { element } from './champs.mjs';
import { texteChamp, lireSerie, lireNombre } from './format.mjs';
import { graphiqueMasque } from './graphiques.mjs';

export class Masque {
    // `regles`: the per-point rules (angle, height), in the table's order.
    constructor(regles, projet, quandChange) {
        this.regles = regles;
        this.projet = projet;
        this.quandChange = quandChange;
        this.racine = element('div', { classe: 'masque' });
        this.refus = element('p', { classe: 'refus', id: 'refus-masque', hidden: '' });
        this.table = element('table', { classe: 'points-masque' });
        this.table.setAttribute('aria-describedby', this.refus.id);
        const tete = element('tr', {}, element('th', { texte: 'Point' }),
            ...regles.map((r) => element('th', { scope: 'col', texte: r.libelle })));
        this.corps = element('tbody');
        this.table.append(element('thead', {}, tete), this.corps);
        this.dessin = element('div', { classe: 'graphique graphique-masque', role: 'img' });
        this.dessin.setAttribute('aria-label', 'Profil du masque : hauteur selon l\'azimut');
        this.racine.append(element('div', { classe: 'defile' }, this.table), this.refus, this.dessin);
        this.graphique = null;
    }

    montrerRefus(message) {
        this.refus.textContent = message;
        this.refus.hidden = !message;
    }

    colonnes() {
        const n = Math.round(lireNombre(this.projet.valeur('Masque:NB points')));
        return this.regles.map((r) => {
            const valeurs = lireSerie(this.projet.valeur(r.nom));
            return Number.isFinite(n) && n >= 0 ? valeurs.slice(0, n) : valeurs;
        });
    }

    afficher() {
        const colonnes = this.colonnes();
        const n = Math.max(0, ...colonnes.map((c) => c.length));
        while (this.corps.rows.length > n) this.corps.lastElementChild.remove();
        while (this.corps.rows.length < n) {
            const i = this.corps.rows.length;
            const ligne = element('tr', {}, element('th', { scope: 'row', texte: String(i + 1) }));
            this.regles.forEach((r, k) => {
                const saisie = element('input', { type: 'text', inputmode: 'decimal', classe: 'nombre',
                    autocomplete: 'off' });
                saisie.setAttribute('aria-label', `${r.libelle}, point ${i + 1}`);
                saisie.addEventListener('change', () => this.donner(k));
                ligne.append(element('td', {}, saisie));
            });
            this.corps.append(ligne);
        }
        colonnes.forEach((valeurs, k) => {
            const d = Number.isInteger(this.regles[k].decimales) && this.regles[k].decimales >= 0
                ? this.regles[k].decimales : 0;
            [...this.corps.rows].forEach((ligne, i) => {
                ligne.cells[k + 1].firstChild.value = texteChamp(valeurs[i] ?? '', d);
            });
        });
        this.dessiner(colonnes);
    }

    dessiner(colonnes) {
        if (!this.graphique) this.graphique = graphiqueMasque(this.dessin);
        // uPlot wants the azimuths in order; the table keeps the person's order.
        const paires = (colonnes[0] ?? []).map((a, i) => [lireNombre(a), lireNombre(colonnes[1]?.[i])])
            .filter(([a, h]) => Number.isFinite(a) && Number.isFinite(h))
            .sort((p, q) => p[0] - q[0]);
        this.graphique.setData([paires.map((p) => p[0]), paires.map((p) => p[1])]);
    }

    donner(k) {
        const valeurs = [...this.corps.rows].map((l) => l.cells[k + 1].firstChild.value.trim() || '0');
        const refus = this.projet.appliquer(this.regles[k].nom, valeurs.join(';'));
        this.quandChange(this, refus);
    }
}
