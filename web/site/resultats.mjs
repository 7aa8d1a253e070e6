// The results as the core gives them: the monthly grid (its rows and columns are the
// JSON's), the monthly chart, the economics and the run's messages.

import { element, ecrire } from './champs.mjs';
import { texteResultat } from './format.mjs';
import { graphiqueMensuel, donneesMensuelles } from './graphiques.mjs';

// The economics' results, in the desktop's words, with their decimals.
export const LIBELLES_ECONOMIE = [
    ['energie', 'Énergie remplacée'],
    ['investissement_eur', 'Investissement [€]', 0],
    ['aides_eur', 'Aides déduites [€]', 0],
    ['economie_energie_kwh_an', 'Économie d\'énergie [kWh/an]', 0],
    ['economie_annuelle_eur', 'Économie annuelle [€/an]', 0],
    ['co2_evite_kg_an', 'CO2 évité [kg/an]', 0],
    ['co2_evite_vie_t', 'CO2 évité sur la durée de vie [t]', 1],
    ['temps_retour_ans', 'Temps de retour [ans]', 0],
    ['cout_kwh_solaire_eur', 'Coût du kWh solaire [€/kWh]', 3],
    ['gain_net_cumule_eur', 'Gain net cumulé sur la durée de vie [€]', 0],
    ['van_eur', 'Valeur actuelle nette [€]', 0],
    ['tri_pct', 'Taux de rentabilité interne [%]', 2],
];

// The grid: a heading row of months and « Annuel », one row per result line. Its
// rows are made again only when the lines change; after an edit only the figures that
// changed are written, so the frame that shows them stays short.
export function remplirGrille(table, resultats) {
    const forme = JSON.stringify([resultats.mois, resultats.lignes.map((l) => [l.cle, l.titre])]);
    if (table.dataset.forme !== forme) {
        const tete = element('tr', {}, element('th', { scope: 'col', classe: 'vide' }),
            ...resultats.mois.map((m) => element('th', { scope: 'col', texte: m })),
            element('th', { scope: 'col', texte: 'Annuel' }));
        const lignes = resultats.lignes.map((l) => element('tr', { 'data-cle': l.cle },
            element('th', { scope: 'row', texte: l.titre }),
            ...l.mois.map(() => element('td')), element('td', { classe: 'annuel' })));
        table.replaceChildren(element('thead', {}, tete), element('tbody', {}, ...lignes));
        table.dataset.forme = forme;
    }
    const rangees = table.tBodies[0].rows;
    resultats.lignes.forEach((l, i) => {
        const cellules = rangees[i].cells;
        [...l.mois, l.annuel].forEach((v, j) =>
            ecrire(cellules[j + 1], 'textContent', v === null ? '' : texteResultat(v)));
    });
}

export function remplirEconomie(table, economie) {
    const lignes = LIBELLES_ECONOMIE.filter(([cle]) => cle in (economie ?? {}));
    const forme = lignes.map(([cle]) => cle).join();
    if (table.dataset.forme !== forme) {
        table.replaceChildren(element('tbody', {}, ...lignes.map(([, libelle]) =>
            element('tr', {}, element('th', { scope: 'row', texte: libelle }), element('td')))));
        table.dataset.forme = forme;
    }
    lignes.forEach(([cle, , d], i) =>
        ecrire(table.rows[i].cells[1], 'textContent', texteResultat(economie[cle], d ?? 0)));
}

// « 395 €/an économisés, 127 kg de CO2 évités par an, retour en 17 ans ».
export function resumeEconomie(economie) {
    if (!economie) return '';
    const morceaux = [];
    if (Number.isFinite(economie.economie_annuelle_eur))
        morceaux.push(`${texteResultat(economie.economie_annuelle_eur)} €/an économisés`);
    if (Number.isFinite(economie.co2_evite_kg_an))
        morceaux.push(`${texteResultat(economie.co2_evite_kg_an)} kg de CO2 évités par an`);
    if (Number.isFinite(economie.temps_retour_ans))
        morceaux.push(`retour en ${texteResultat(economie.temps_retour_ans)} ans`);
    return morceaux.join(', ');
}

export class Resultats {
    constructor() {
        this.grille = document.getElementById('grille');
        this.couverture = document.getElementById('couverture-annuelle');
        // The same figure in the page's bar, in sight wherever the person is editing.
        this.couvertureBarre = document.getElementById('couverture-barre');
        this.resume = document.getElementById('resume-economie');
        this.messages = document.getElementById('messages');
        this.bilan = document.getElementById('bilan-economie');
        this.graphique = graphiqueMensuel(document.getElementById('graphique-mensuel'));
    }

    afficher(resultats) {
        remplirGrille(this.grille, resultats);
        const couverture = resultats.lignes.find((l) => l.cle === 'couverture');
        ecrire(this.couverture, 'textContent', String(couverture?.annuel ?? ''));
        ecrire(this.couvertureBarre, 'textContent', String(couverture?.annuel ?? '—'));
        const resume = resumeEconomie(resultats.economie);
        ecrire(this.resume, 'textContent', resume ? ` — ${resume}` : '');
        this.graphique.setData(donneesMensuelles(resultats));
        const messages = (resultats.messages ?? []).map((m) =>
            (typeof m === 'string' ? m : (m.texte ?? JSON.stringify(m))));
        if (resultats.calcul_complet === false && messages.length === 0)
            messages.push('Le calcul n\'a pas abouti.');
        const anciens = [...this.messages.children].map((li) => li.textContent);
        if (anciens.join('\n') !== messages.join('\n'))
            this.messages.replaceChildren(...messages.map((m) => element('li', { texte: m })));
        remplirEconomie(this.bilan, resultats.economie);
    }
}
