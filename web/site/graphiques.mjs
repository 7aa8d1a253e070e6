// The page's charts, drawn by uPlot: the monthly needs and solar energy with the
// coverage, the horizon mask, and the sizing curves. Each chart follows its box's
// width and is redrawn with new data, not rebuilt.

import uPlot from 'uplot';
import { initialeMois } from './format.mjs';

export const COULEURS = ['#4c72b0', '#f0a030', '#2a9d8f', '#8e5cb5', '#777777', '#c0392b',
    '#1f77b4', '#8c564b', '#bcbd22', '#17becf'];
const POLICE = '12px system-ui, sans-serif';

function axe(options = {}) {
    return { font: POLICE, labelFont: POLICE, stroke: '#333', grid: { stroke: '#e4e4e4' },
        ticks: { stroke: '#ccc' }, ...options };
}

// A chart that keeps the width of `boite` (or `fixe` pixels), `hauteur` pixels high.
function graphique(boite, options, donnees, hauteur, fixe = 0) {
    const largeur = () => fixe || Math.max(240, Math.floor(boite.clientWidth || 600));
    const u = new uPlot({ ...options, width: largeur(), height: hauteur }, donnees, boite);
    if (!fixe) new ResizeObserver(() => {
        const l = largeur();
        if (Math.abs(l - u.width) > 1) u.setSize({ width: l, height: hauteur });
    }).observe(boite);
    return u;
}

// Needs and solar energy as bars side by side, the coverage as a line on its own
// scale (0 to 100 %).
export function graphiqueMensuel(boite, hauteur = 260, fixe = 0) {
    const barres = (align) => uPlot.paths.bars({ size: [0.36, 40], align });
    const x = Array.from({ length: 12 }, (_, i) => i + 1);
    const vide = Array(12).fill(null);
    return graphique(boite, {
        legend: { show: true, live: false },
        cursor: { show: false },
        scales: { x: { time: false, range: [0.4, 12.6] }, '%': { range: [0, 100] },
            kWh: { range: (u, min, max) => [0, Math.max(10, max * 1.1)] } },
        axes: [
            axe({ values: (u, vals) => vals.map((v) => (Number.isInteger(v) ? initialeMois(v - 1) : '')),
                splits: () => x, grid: { show: false } }),
            axe({ scale: 'kWh', label: 'kWh', size: 50 }),
            axe({ scale: '%', side: 1, label: 'Couverture [%]', grid: { show: false }, size: 50 }),
        ],
        series: [
            { label: 'Mois' },
            { label: 'Besoins [kWh]', scale: 'kWh', fill: COULEURS[0], stroke: COULEURS[0],
                paths: barres(-1), points: { show: false } },
            { label: 'Productivité solaire [kWh]', scale: 'kWh', fill: COULEURS[1],
                stroke: COULEURS[1], paths: barres(1), points: { show: false } },
            { label: 'Couverture [%]', scale: '%', stroke: COULEURS[5], width: 2,
                points: { show: true, size: 6, fill: COULEURS[5] } },
        ],
    }, [x, vide, vide, vide], hauteur, fixe);
}

export function donneesMensuelles(resultats) {
    const ligne = (cle) => resultats.lignes.find((l) => l.cle === cle)?.mois ?? Array(12).fill(null);
    const valeurs = resultats.valeurs ?? {};
    const exacte = (nom, cle) => (Array.isArray(valeurs[nom]) ? valeurs[nom] : ligne(cle));
    return [Array.from({ length: 12 }, (_, i) => i + 1), exacte('Becs', 'besoins'),
        exacte('Prod', 'productivite'), exacte('Fecs', 'couverture')];
}

// The horizon seen from the collectors: height [°] against azimuth [°], south at 0.
export function graphiqueMasque(boite, hauteur = 200) {
    return graphique(boite, {
        legend: { show: false },
        cursor: { show: false },
        scales: { x: { time: false, range: [-180, 180] }, y: { range: [0, 90] } },
        axes: [
            axe({ splits: () => [-180, -90, 0, 90, 180],
                values: (u, v) => v.map((a) => ({ '-90': '-90 E', 0: '0 S', 90: '90 O' })[a] ?? a) }),
            axe({ splits: () => [0, 30, 60, 90], size: 40, label: 'Hauteur [°]' }),
        ],
        series: [{}, { stroke: '#8a5a2b', fill: 'rgba(160, 110, 60, 0.35)', width: 2,
            points: { show: true, size: 5 } }],
    }, [[-180, 180], [0, 0]], hauteur);
}

// Coverage or productivity against the collector area, one curve per tank; a click
// near a point calls `choisir(point)` with the sweep's point.
export function courbesDimensionnement(boite, titre, hauteur, choisir, plage = null) {
    let points = [];
    let u = null;
    const construire = (series) => {
        u?.destroy();
        u = graphique(boite, {
            legend: { show: true, live: false },
            cursor: { drag: { x: false, y: false }, points: { size: 10 } },
            scales: { x: { time: false },
                y: { range: plage ?? ((self, min, max) => [0, Math.max(10, max * 1.1)]) } },
            axes: [axe({ label: 'Surface de capteurs [m²]' }), axe({ label: titre, size: 50 })],
            series: [{ label: 'Surface [m²]' }, ...series, { label: 'Point du projet', stroke: '#000',
                width: 0, paths: () => null, points: { show: true, size: 14, width: 2, fill: 'transparent' } }],
        }, [[0], ...series.map(() => [null]), [null]], hauteur);
        u.over.addEventListener('click', (e) => {
            const proche = pointProche(u, points, e.offsetX, e.offsetY);
            if (proche) choisir(proche);
        });
        u.over.style.cursor = 'pointer';
        boite.graphique = u;
    };
    return {
        // `donnees`: [x, ...one array per curve, the project's point]; `lesPoints[k][i]`:
        // the sweep's point drawn by curve k at abscissa i.
        dessiner(libelles, donnees, lesPoints) {
            if (!u || u.series.length !== libelles.length + 2 ||
                libelles.some((l, i) => u.series[i + 1].label !== l)) {
                construire(libelles.map((label, k) => ({ label, stroke: COULEURS[k % COULEURS.length],
                    width: 2, points: { show: true, size: 6 } })));
            }
            points = lesPoints;
            u.setData(donnees);
        },
        get uplot() {
            return u;
        },
    };
}

// The sweep point nearest to (x, y) in the plot's pixels, within 12 pixels.
function pointProche(u, points, x, y) {
    let meilleur = null;
    let distance = 12;
    u.data.slice(1).forEach((serie, k) => {
        if (!points[k]) return;
        serie.forEach((v, i) => {
            if (v === null || v === undefined) return;
            const d = Math.hypot(u.valToPos(u.data[0][i], 'x') - x, u.valToPos(v, 'y') - y);
            if (d <= distance) {
                distance = d;
                meilleur = points[k]?.[i] ?? null;
            }
        });
    });
    return meilleur;
}

