// The household helper of the needs: occupants, litres per person at 40 °C and the
// monthly occupancy give the daily consumptions, which the core works out at the
// project's hot-water temperatures and which then go to the project's needs. Its
// values are not kept in the project.

import { element } from './champs.mjs';
import { texteChamp } from './format.mjs';

const MOIS = ['janv.', 'févr.', 'mars', 'avr.', 'mai', 'juin', 'juil.', 'août', 'sept.', 'oct.',
    'nov.', 'déc.'];
// What the helper starts from: the litres of the French diagnosis method, a home
// lived in all year.
const DEPART = { Occupants: '4', LitresParPersonne: '56', Occupation: '100' };

export class Foyer {
    // `regles`: the helper's rules (section « Foyer »); `projet.besoinsFoyer` the core's
    // calculation; `appliquer(cle, texte)` gives the result to the project.
    constructor(regles, projet, quandChange) {
        this.regles = new Map(regles.map((r) => [r.cle, r]));
        this.projet = projet;
        this.quandChange = quandChange;
        this.racine = element('details', { classe: 'foyer' },
            element('summary', { texte: 'Besoins d\'un foyer…' }));
        this.refus = element('p', { classe: 'refus', id: 'refus-foyer', hidden: '' });
        this.saisies = {};
        for (const cle of ['Occupants', 'LitresParPersonne']) {
            const regle = this.regles.get(cle);
            if (!regle) continue;
            const id = `foyer-${cle}`;
            const saisie = element('input', { id, type: 'text', inputmode: 'decimal', classe: 'nombre',
                autocomplete: 'off', value: texteChamp(DEPART[cle], 0) });
            this.saisies[cle] = saisie;
            this.racine.append(element('div', { classe: 'champ' },
                element('label', { for: id, texte: regle.libelle }), saisie));
        }
        const surface = this.regles.get('Surface');
        if (surface && projet.adultesEquivalents) this.construireSurface(surface);
        const occupation = this.regles.get('Occupation');
        const grille = element('div', { classe: 'grille-mois', role: 'group' });
        grille.setAttribute('aria-label', occupation?.libelle ?? 'Occupation [%]');
        this.occupation = MOIS.map((m, i) => {
            const saisie = element('input', { id: `foyer-occupation-${i}`, type: 'text', inputmode: 'decimal',
                autocomplete: 'off', value: DEPART.Occupation });
            saisie.setAttribute('aria-label', `${occupation?.libelle ?? 'Occupation [%]'} (${m})`);
            grille.append(element('label', { for: saisie.id, texte: m }, saisie));
            return saisie;
        });
        const bouton = element('button', { type: 'button', texte: 'Donner ces besoins au projet' });
        bouton.addEventListener('click', () => this.calculer());
        this.racine.append(element('div', { classe: 'champ mois' },
            element('span', { classe: 'titre-mois', texte: occupation?.libelle ?? 'Occupation [%]' }), grille),
        this.refus, bouton);
    }

    // The living area gives the occupants as adult-equivalents (the diagnosis method's).
    construireSurface(regle) {
        const saisie = element('input', { id: 'foyer-Surface', type: 'text', inputmode: 'decimal',
            classe: 'nombre', autocomplete: 'off' });
        const logement = element('select', { id: 'foyer-logement' },
            element('option', { value: 'maison', texte: 'Maison' }),
            element('option', { value: 'appartement', texte: 'Appartement' }));
        const estimer = () => {
            const m2 = Number(saisie.value.trim().replace(',', '.'));
            if (!saisie.value.trim() || !Number.isFinite(m2)) return;
            const n = this.projet.adultesEquivalents(m2, logement.value);
            if (Number.isFinite(n) && this.saisies.Occupants) this.saisies.Occupants.value = texteChamp(n, 2);
        };
        saisie.addEventListener('change', estimer);
        logement.addEventListener('change', estimer);
        this.racine.append(element('div', { classe: 'champ' },
            element('label', { for: saisie.id, texte: regle.libelle }), saisie),
        element('div', { classe: 'champ' }, element('label', { for: logement.id, texte: 'Logement' }), logement));
    }

    montrerRefus(message) {
        this.refus.textContent = message;
        this.refus.hidden = !message;
    }

    afficher() {}

    calculer() {
        const nombre = (texte) => Number(String(texte).trim().replace(',', '.'));
        let reponse;
        try {
            reponse = JSON.parse(this.projet.besoinsFoyer(nombre(this.saisies.Occupants?.value ?? DEPART.Occupants),
                nombre(this.saisies.LitresParPersonne?.value ?? DEPART.LitresParPersonne),
                this.occupation.map((s) => nombre(s.value))));
        } catch (e) {
            reponse = { erreur: e?.message ?? String(e) };
        }
        const refus = reponse.erreur || this.projet.appliquer('Besoin:Conso', reponse.texte);
        this.quandChange(this, refus);
    }
}
