// The project sheet, made from the rules table: the window's sections in its order,
// each rule a field in the section the rule names, grouped by the project file's
// section where a window section holds several. Which fields show follows the
// project: a one-piece water heater has no collector, loop or tank; the mask's
// points show when there is a mask.

import { Champ, element } from './champs.mjs';
import { Masque } from './masque.mjs';
import { Foyer } from './foyer.mjs';

const PARTIES = ['Météo', 'Besoins', 'Système', 'Capteurs', 'Boucle de captage', 'Ballon',
    'Appoint', 'Masque'];
const ELEMENTS_SEPARES = new Set(['Capteurs', 'Boucle de captage', 'Ballon']);
const TITRES_GROUPES = {
    Systeme: 'Type de système',
    Capteur: 'Chauffe-eau monobloc',
    Echangeur: 'Échangeur',
    Efficacité: 'Efficacité de la boucle',
    Déperdition: 'Déperdition de la boucle',
    Besoin: 'Besoins',
};
const SYSTEME_MONOBLOC = 'CHAUFFE-EAU MONOBLOC';

function idPartie(partie) {
    return 'partie-' + partie.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
        .replace(/[^a-z0-9]+/g, '-');
}

// The projects a rule counts in: the rule's own word when the table gives it,
// otherwise the window's section says it.
function portee(regle) {
    const p = String(regle.portee ?? '').toLowerCase();
    if (p) {
        if (p.includes('chauffe')) return 'monobloc';
        if (p.includes('separe') || p.includes('sépar')) return 'separes';
        if (p.includes('masque')) return 'masque';
        return 'tous';
    }
    if (ELEMENTS_SEPARES.has(regle.partie)) return 'separes';
    if (regle.partie === 'Système' && regle.section === 'Capteur') return 'monobloc';
    if (regle.section === 'Masque' && regle.cle !== 'Masque_Existe') return 'masque';
    return 'tous';
}

export class Formulaire {
    // `conteneurs`: the sheet, and where the economics and client-file values go.
    constructor(conteneurs, regles, projet, quandChange) {
        this.projet = projet;
        this.champs = [];
        this.parties = new Map();
        const groupes = new Map(); // partie -> section -> rules
        for (const regle of regles) {
            if (!regle.partie) continue;
            if (!groupes.has(regle.partie)) groupes.set(regle.partie, new Map());
            const sections = groupes.get(regle.partie);
            if (!sections.has(regle.section)) sections.set(regle.section, []);
            sections.get(regle.section).push(regle);
        }
        const ordre = [...PARTIES, ...[...groupes.keys()].filter((p) => !PARTIES.includes(p))];
        for (const partie of ordre) {
            const sections = groupes.get(partie);
            if (!sections) continue;
            let cible = conteneurs[partie];
            if (!cible) {
                cible = element('section', { classe: 'partie', id: idPartie(partie) },
                    element('h2', { texte: partie }));
                conteneurs.feuille.append(cible);
            }
            this.parties.set(partie, cible);
            const plusieurs = [...sections.keys()].filter((s) => s !== 'Foyer').length > 1;
            for (const [section, liste] of sections) {
                if (section === 'Foyer') {
                    this.foyer = new Foyer(liste, projet, quandChange);
                    cible.append(this.foyer.racine);
                    continue;
                }
                let hote = cible;
                if (plusieurs) {
                    hote = element('fieldset', { classe: 'groupe' },
                        element('legend', { texte: TITRES_GROUPES[section] ?? section }));
                    cible.append(hote);
                }
                const points = liste.filter((r) => String(r.genre).toLowerCase() === 'points');
                for (const regle of liste) {
                    if (points.includes(regle)) continue;
                    const champ = new Champ(regle, projet, quandChange);
                    champ.portee = portee(regle);
                    this.champs.push(champ);
                    hote.append(champ.racine);
                }
                if (points.length) {
                    this.masque = new Masque(points, projet, quandChange);
                    hote.append(this.masque.racine);
                }
            }
        }
        this.empiler();
    }

    // The needs, the system type and the auxiliary stacked beside the weather, as the
    // desktop's sheet has them at its top.
    empiler() {
        const meteo = this.parties.get('Météo');
        const pile = ['Besoins', 'Système', 'Appoint'].map((p) => this.parties.get(p)).filter(Boolean);
        if (!meteo || !pile.length) return;
        const colonne = element('div', { classe: 'pile' });
        meteo.after(colonne);
        colonne.append(...pile);
    }

    // Shows only the fields that count for the project now; returns those to fill.
    afficherVisibles() {
        const monobloc = this.projet.valeur('Systeme:TypeSysteme') === SYSTEME_MONOBLOC;
        const existe = Number(String(this.projet.valeur('Masque:Masque_Existe')).replace(',', '.'));
        const masque = Number.isFinite(existe) && existe !== 0;
        const visible = { tous: true, separes: !monobloc, monobloc, masque };
        for (const champ of this.champs) champ.racine.hidden = !visible[champ.portee];
        for (const partie of ELEMENTS_SEPARES) {
            const section = this.parties.get(partie);
            if (section) section.hidden = monobloc;
        }
        for (const groupe of document.querySelectorAll('fieldset.groupe')) {
            groupe.hidden = ![...groupe.querySelectorAll(':scope > .champ, :scope > .masque')].some((c) => !c.hidden);
        }
        if (this.masque) this.masque.racine.hidden = !masque;
        return [...this.champs, this.masque].filter((c) => c && !c.racine.hidden);
    }

    // Shows every value the project holds now; the field being typed into keeps what
    // is typed. The project gives all its values in one call, so the whole sheet is
    // drawn within the frame that shows an edit's results.
    afficher() {
        for (const champ of this.afficherVisibles())
            if (!champ.racine.contains(document.activeElement)) champ.afficher();
        document.body.dataset.feuille = 'a-jour';
    }

    // The field of a key, shown or not (the first when a key has one rule per system).
    champ(cle) {
        return this.champs.find((c) => c.cle() === cle && !c.racine.hidden) ??
            this.champs.find((c) => c.cle() === cle);
    }

    effacerRefus() {
        for (const champ of this.champs) champ.montrerRefus('');
        this.masque?.montrerRefus('');
        this.foyer?.montrerRefus('');
    }
}
