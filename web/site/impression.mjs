// The printed study, on A4: first page the summary (client file, the project's main
// characteristics, the monthly results and their chart), second page the economics.
// It is laid out in a part of the page that only printing shows, so that the
// browser's « Imprimer » (or its PDF) gives the report.

import { element } from './champs.mjs';
import { texteChamp, lireSerie, lireNombre, texteResultat } from './format.mjs';
import { graphiqueMensuel, donneesMensuelles } from './graphiques.mjs';
import { remplirGrille, remplirEconomie } from './resultats.mjs';

const MONOBLOC = 'CHAUFFE-EAU MONOBLOC';

function tableau(lignes, classe = 'caracteristiques') {
    return element('table', { classe }, element('tbody', {}, ...lignes.map(([libelle, valeur]) =>
        element('tr', {}, element('th', { scope: 'row', texte: libelle }),
            element('td', { texte: valeur ?? '' })))));
}

function moyenne(texte) {
    const v = lireSerie(texte).map(lireNombre).filter(Number.isFinite);
    return v.length ? texteResultat(v.reduce((a, b) => a + b, 0) / v.length, 1) : '';
}

function nomFichier(nom) {
    return String(nom ?? '').split(/[\\/]/).pop().toLowerCase();
}

export class Impression {
    constructor(regles) {
        this.racine = document.getElementById('impression');
        this.regles = regles;
        this.graphique = null;
    }

    // The characteristics, in the printed report's order.
    caracteristiques(v, fichier) {
        const d2 = (cle) => texteChamp(v(cle), 2);
        const lignes = [
            ['Nom du fichier : ', nomFichier(fichier)],
            ['Station : ', `${v('Météo:Département')} . ${v('Météo:Station')}`],
            ['Type de système : ', v('Systeme:TypeSysteme')],
        ];
        if (v('Systeme:TypeSysteme') === MONOBLOC) {
            lignes.push(['Type de chauffe-eau : ', v('Capteur:Type_chauffe-eau')],
                ['Inclinaison [°]: ', d2('Capteur:inclinaison')],
                ['Orientation [°]: ', d2('Capteur:Orientation')],
                ['ABEtap [m²]: ', d2('Capteur:a')],
                ['', `( ${v('Systeme:TypeAppoint')} , ${v('Echangeur:PresenceEchangeur')} )`]);
        } else {
            lignes.push(['Type de capteur : ', v('Capteur:Type_capteur')],
                ['Inclinaison [°]: ', d2('Capteur:inclinaison')],
                ['Orientation [°]: ', d2('Capteur:Orientation')],
                ['Surface totale [m²]: ', d2('Capteur:a')],
                ['Déperdition de la boucle de captage [W/(m².K)]: ', d2('Déperdition:K')],
                ['Efficacité de la boucle de captage: ', d2('Efficacité:Etap')],
                ['Type de ballon: ', v('Ballon:Type_ballon')],
                ['Déperdition thermique du ballon [W/K]: ', d2('Ballon:VarDs.Ds')]);
        }
        lignes.push(['Besoin journalier moyen en eau chaude [l/j]: ', moyenne(v('Besoin:Conso'))],
            ['Température de référence moyenne [°C]: ', moyenne(v('Besoin:Tref'))]);
        return lignes;
    }

    // `v(cle)` gives a value's text; `resultats` the core's results.
    construire(v, fichier, resultats) {
        const date = new Date().toLocaleDateString('fr-FR');
        const dossier = this.regles.filter((r) => r.partie === 'Dossier')
            .map((r) => [r.libelle, v(r.nom)]).filter(([, valeur]) => valeur !== '');
        const grille = element('table', { classe: 'grille' });
        remplirGrille(grille, resultats);
        const dessin = element('div', { classe: 'graphique-impression' });
        const hypotheses = this.regles.filter((r) => r.partie === 'Économie')
            .map((r) => [r.libelle, v(r.nom) || (r.facultative ? '(valeur des données)' : '—')]);
        const bilan = element('table', { classe: 'caracteristiques' });
        remplirEconomie(bilan, resultats.economie);
        const entete = (titre) => element('header', { classe: 'entete' },
            element('div', {}, element('strong', { texte: titre }),
                element('span', { texte: nomFichier(fichier).replace(/\.vqp$/, '') })),
            element('span', { texte: `Date : ${date}` }));
        this.racine.replaceChildren(
            element('section', { classe: 'page' },
                entete('VARQUIN — Étude de chauffe-eau solaire'),
                dossier.length ? element('h2', { texte: 'Dossier' }) : '',
                dossier.length ? tableau(dossier) : '',
                element('h2', { texte: 'Caractéristiques du projet' }),
                tableau(this.caracteristiques(v, fichier)),
                element('h2', { texte: 'Résultats mensuels' }), grille,
                element('h2', { texte: 'Besoins et énergie solaire [kWh], couverture [%]' }), dessin),
            element('section', { classe: 'page' },
                entete('VARQUIN — Économie et CO2'),
                element('h2', { texte: 'Hypothèses économiques' }), tableau(hypotheses),
                element('h2', { texte: 'Économie, CO2 et rentabilité' }), bilan));
        // The chart keeps a fixed size: the printed page does not follow the screen.
        this.graphique?.destroy();
        this.graphique = graphiqueMensuel(dessin, 250, 680);
        this.graphique.setData(donneesMensuelles(resultats));
    }
}
