// The sizing study: coverage and productivity per m² against the collector area, one
// curve per tank around the project's, and the same points as a table of buttons.
// Choosing a point gives the project that number of collectors and that tank.

import { element } from './champs.mjs';
import { texteResultat } from './format.mjs';
import { courbesDimensionnement } from './graphiques.mjs';

// Tanks drawn on each side of the project's.
const BALLONS_AUTOUR = 2;

export class Dimensionnement {
    // `choisir(point, ballon)` applies a point to the project.
    constructor(choisir) {
        this.choisir = choisir;
        this.details = document.getElementById('dimensionnement');
        this.table = document.getElementById('points-dimensionnement');
        this.resume = document.getElementById('resume-dimensionnement');
        const surPoint = (p) => this.choisir(p, this.balayage.ballons[p.ballon]);
        this.couverture = courbesDimensionnement(document.getElementById('courbe-couverture'),
            'Couverture solaire [%]', 240, surPoint, [0, 100]);
        this.productivite = courbesDimensionnement(document.getElementById('courbe-productivite'),
            'Productivité [kWh/m²]', 200, surPoint);
    }

    ouvert() {
        return this.details.open;
    }

    afficher(balayage) {
        this.balayage = balayage;
        const projet = balayage.ballons.findIndex((b) => b.projet);
        const centre = projet < 0 ? Math.floor(balayage.ballons.length / 2) : projet;
        const ballons = balayage.ballons.map((b, i) => ({ ...b, i }))
            .filter((b) => Math.abs(b.i - centre) <= BALLONS_AUTOUR);
        const nombres = balayage.nombres;
        const point = (n, i) => balayage.points.find((p) => p.Nb_Capteurs === n && p.ballon === i);
        const surfaces = nombres.map((n) => point(n, ballons[0]?.i)?.a ?? n * (balayage.Ac ?? 1));
        const libelles = ballons.map((b) => `${b.Vn} l${b.projet ? ' (projet)' : ''}`);
        const grilles = ballons.map((b) => nombres.map((n) => point(n, b.i)));
        // Each tank's curve, then the project's point alone (ringed on the chart).
        const duProjet = (nom, i) => grilles.map((g) => g[i]).find((p) => p?.projet)?.[nom] ?? null;
        const valeurs = (nom) => [...grilles.map((g) => g.map((p) => (p?.calcule ? p[nom] : null))),
            nombres.map((n, i) => duProjet(nom, i))];
        this.couverture.dessiner(libelles, [surfaces, ...valeurs('Fecs_an')], grilles);
        this.productivite.dessiner(libelles, [surfaces, ...valeurs('Productivite_par_m2')], grilles);
        this.remplirTable(ballons, nombres, grilles);
        const p = balayage.points[balayage.point_projet];
        this.resume.textContent = p ? `Projet : ${p.Nb_Capteurs} capteur${p.Nb_Capteurs > 1 ? 's' : ''} ` +
            `(${texteResultat(p.a, 2)} m²), ${balayage.ballons[p.ballon]?.nom ?? ''} : couverture ` +
            `${texteResultat(p.Fecs_an)} %, productivité ${texteResultat(p.Productivite_par_m2)} kWh/m².` : '';
    }

    remplirTable(ballons, nombres, grilles) {
        const tete = element('tr', {}, element('th', { scope: 'col', texte: 'Ballon \\ capteurs' }),
            ...nombres.map((n) => element('th', { scope: 'col', texte: String(n) })));
        const lignes = ballons.map((b, k) => element('tr', {},
            element('th', { scope: 'row', texte: b.nom }),
            ...grilles[k].map((p) => {
                if (!p?.calcule) return element('td', { texte: '—' });
                const bouton = element('button', { type: 'button', classe: 'point',
                    texte: `${texteResultat(p.Fecs_an)} %` });
                bouton.setAttribute('aria-label', `${p.Nb_Capteurs} capteurs, ${b.nom} : couverture ` +
                    `${texteResultat(p.Fecs_an)} %, productivité ${texteResultat(p.Productivite_par_m2)} kWh/m²`);
                if (p.projet) bouton.setAttribute('aria-current', 'true');
                if (p.mois_surchauffe > 0) bouton.classList.add('surchauffe');
                bouton.addEventListener('click', () => this.choisir(p, b));
                return element('td', {}, bouton);
            })));
        this.table.replaceChildren(element('caption', {
            texte: `Couverture annuelle [%] ; en rouge : un mois couvert à ${this.balayage.seuil_surchauffe ?? 90} % ou plus (stagnation probable)` }),
        element('thead', {}, tete), element('tbody', {}, ...lignes));
    }
}
