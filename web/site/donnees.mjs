// The person's own data files (their catalogue entries and certified collectors), kept
// in this browser between visits: one IndexedDB object store, the file's path in the
// data folder as key, its bytes as value. The core's data folder is built again at
// every visit; these files go back into it before the first project opens. They also
// travel as one JSON file, {path: base64}, from a browser to another.

const BASE = 'varquin';
const MAGASIN = 'fichiers';

function ouvrirBase() {
    return new Promise((ok, echec) => {
        const demande = indexedDB.open(BASE, 1);
        demande.onupgradeneeded = () => demande.result.createObjectStore(MAGASIN);
        demande.onsuccess = () => ok(demande.result);
        demande.onerror = () => echec(demande.error);
    });
}

// The files kept, {path: Uint8Array}; none when the browser keeps nothing (a private
// window without IndexedDB).
export async function lireDonnees() {
    if (typeof indexedDB === 'undefined') return {};
    const base = await ouvrirBase();
    try {
        return await new Promise((ok, echec) => {
            const fichiers = {};
            const curseur = base.transaction(MAGASIN).objectStore(MAGASIN).openCursor();
            curseur.onsuccess = () => {
                const c = curseur.result;
                if (!c) return ok(fichiers);
                if (c.value instanceof Uint8Array) fichiers[c.key] = c.value;
                return c.continue();
            };
            curseur.onerror = () => echec(curseur.error);
        });
    } finally {
        base.close();
    }
}

// The same read as an answer that never fails: { fichiers } or { erreur }.
export function lireReponse() {
    return lireDonnees().then((fichiers) => ({ fichiers }), (erreur) => ({ erreur }));
}

// Keeps exactly these files, in one transaction: all of them or none.
export async function garderDonnees(fichiers) {
    if (typeof indexedDB === 'undefined') return;
    const base = await ouvrirBase();
    try {
        await new Promise((ok, echec) => {
            const transaction = base.transaction(MAGASIN, 'readwrite');
            const magasin = transaction.objectStore(MAGASIN);
            magasin.clear();
            for (const [chemin, octets] of Object.entries(fichiers)) magasin.put(octets, chemin);
            transaction.oncomplete = ok;
            transaction.onerror = () => echec(transaction.error);
            transaction.onabort = () => echec(transaction.error);
        });
    } finally {
        base.close();
    }
}

export function versJson(fichiers) {
    const objet = {};
    for (const [chemin, octets] of Object.entries(fichiers)) {
        let binaire = '';
        for (let i = 0; i < octets.length; i += 0x8000)
            binaire += String.fromCharCode(...octets.subarray(i, i + 0x8000));
        objet[chemin] = btoa(binaire);
    }
    return JSON.stringify(objet, null, 1);
}

// The files of an export, or an Error saying, in French, why the text is not one.
export function depuisJson(texte, nom) {
    const refus = new Error(`Le fichier « ${nom} » n'est pas un export de vos données VARQUIN : ` +
        'rien n\'a été importé.');
    let objet;
    try {
        objet = JSON.parse(texte);
    } catch {
        throw refus;
    }
    if (!objet || typeof objet !== 'object' || Array.isArray(objet) || !Object.keys(objet).length) throw refus;
    const fichiers = {};
    for (const [chemin, base64] of Object.entries(objet)) {
        if (typeof base64 !== 'string' || !/^[A-Za-z0-9+/]*={0,2}$/.test(base64)) throw refus;
        let binaire;
        try {
            binaire = atob(base64);
        } catch {
            throw refus;
        }
        fichiers[chemin] = Uint8Array.from(binaire, (c) => c.charCodeAt(0));
    }
    return fichiers;
}
