// The commune search of the weather section: a town's name or postcode finds the
// commune, its department's stations (and its neighbours') are proposed, and the
// station chosen becomes the project's site, the commune its client file's.

import { element } from './champs.mjs';

// « Lyon (69001…, Rhône) »: enough to tell two communes of the same name apart.
function libelle(c) {
    const codes = c.codes_postaux ?? [];
    const premier = codes.length ? `${codes[0]}${codes.length > 1 ? '…' : ''}, ` : '';
    return `${c.nom} (${premier}${c.departement})`;
}

export class RechercheCommune {
    // `varquin`: the module (communes, stations); `choisir(departement, station, nom)`
    // applies the choice and answers a refusal or "".
    constructor(varquin, choisir, quandChange) {
        this.varquin = varquin;
        this.choisir = choisir;
        this.quandChange = quandChange;
        this.trouvees = [];
        this.racine = element('div', { classe: 'champ commune' });
        this.saisie = element('input', { id: 'commune', type: 'search', autocomplete: 'off',
            placeholder: 'Commune ou code postal', list: 'communes-trouvees' });
        this.saisie.title = 'Chercher une commune par son nom ou son code postal : les stations de son ' +
            'département sont alors proposées';
        this.liste = element('datalist', { id: 'communes-trouvees' });
        this.stations = element('select', { id: 'stations-commune', hidden: '' });
        this.stations.setAttribute('aria-label', 'Station proposée pour la commune');
        this.refus = element('p', { classe: 'refus', hidden: '' });
        this.racine.append(element('label', { for: 'commune', texte: 'Commune' }), this.saisie, this.liste,
            this.stations, this.refus);
        this.saisie.addEventListener('input', () => this.chercher());
        this.saisie.addEventListener('change', () => this.proposer());
        this.stations.addEventListener('change', () => this.appliquer());
    }

    chercher() {
        const texte = this.saisie.value.trim();
        if (this.trouvees.some((c) => libelle(c) === texte)) return this.proposer();
        try {
            this.trouvees = texte.length >= 2 ? JSON.parse(this.varquin.communes(texte)) : [];
        } catch {
            this.trouvees = [];
        }
        this.liste.replaceChildren(...this.trouvees.map((c) => element('option', { value: libelle(c) })));
        return undefined;
    }

    // The commune picked: its stations are offered.
    proposer() {
        const commune = this.trouvees.find((c) => libelle(c) === this.saisie.value.trim());
        if (!commune) return;
        this.commune = commune;
        let stations = [];
        try {
            stations = JSON.parse(this.varquin.stations(commune.departement));
        } catch {
            stations = [];
        }
        if (!stations.length) {
            this.montrerRefus(`Aucune station n'est proposée pour le département « ${commune.departement} ».`);
            return;
        }
        this.stations.replaceChildren(element('option', { value: '', texte: `Station pour ${commune.nom}…` }),
            ...stations.map((s) => element('option', { value: s, texte: s })));
        this.stations.hidden = false;
        this.stations.focus();
    }

    appliquer() {
        const station = this.stations.value;
        if (!station || !this.commune) return;
        const refus = this.choisir(this.commune.departement, station, this.commune.nom);
        if (!refus) {
            this.stations.hidden = true;
            this.saisie.value = '';
        }
        this.quandChange(this, refus);
    }

    montrerRefus(message) {
        this.refus.textContent = message;
        this.refus.hidden = !message;
    }

    afficher() {}
}
