// How the page writes numbers: the French way, as the desktop does (decimal comma,
// thin space between thousands in results, none in fields so that a value typed back
// reads the same).

const MOIS_COURTS = ['J', 'F', 'M', 'A', 'M', 'J', 'J', 'A', 'S', 'O', 'N', 'D'];

export function initialeMois(i) {
    return MOIS_COURTS[i] ?? '';
}

// A number read from the core's text, which writes a comma or a point.
export function lireNombre(texte) {
    if (typeof texte === 'number') return texte;
    const t = String(texte ?? '').trim().replace(',', '.');
    if (t === '' || !/^[-+]?(\d+\.?\d*|\.\d+)(e[-+]?\d+)?$/i.test(t)) return NaN;
    return Number(t);
}

// A field's text: `decimales` digits after the comma, no grouping.
export function texteChamp(texte, decimales) {
    const n = lireNombre(texte);
    if (Number.isNaN(n) || decimales < 0) return String(texte ?? '');
    return n.toFixed(decimales).replace('.', ',');
}

// A value in a narrow cell (a month): at most `decimales` digits, no trailing zeros.
export function texteCourt(texte, decimales) {
    const n = lireNombre(texte);
    if (Number.isNaN(n)) return String(texte ?? '');
    return String(Number(n.toFixed(Math.max(0, decimales)))).replace('.', ',');
}

// A result: grouped thousands, at most `decimales` digits; « — » for what has no value.
export function texteResultat(valeur, decimales = 0) {
    if (valeur === null || valeur === undefined || valeur === '') return '—';
    if (typeof valeur !== 'number') return String(valeur);
    if (!Number.isFinite(valeur)) return '—';
    return formatFrancais(decimales).format(valeur);
}

// One formatter per number of decimals: making one costs more than a grid's figures.
const formats = new Map();
function formatFrancais(decimales) {
    if (!formats.has(decimales))
        formats.set(decimales, new Intl.NumberFormat('fr-FR', { minimumFractionDigits: 0,
            maximumFractionDigits: decimales }));
    return formats.get(decimales);
}

// The values of a series as the core gives them: « 200;200;… » or blanks.
export function lireSerie(texte) {
    return String(texte ?? '')
        .split(/[;\t ]+/)
        .filter((v) => v !== '');
}
