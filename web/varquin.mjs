// The entry of VARQUIN's WebAssembly module, for the page and for Node:
//
//   import creerVarquin from './varquin.mjs';
//   const varquin = await creerVarquin();
//   const json = varquin.calculer(octets, ['Capteur:Nb_Capteurs=3'], 'etude.vqp');
//
// In Node the module's bytes are read here from beside this file; a browser fetches
// them itself. A project handle's fermer() closes the project and frees the handle.
import creerCoeur from './varquin-coeur.mjs';

const enNode = typeof process === 'object' && !!(process.versions && process.versions.node);

export default async function creerVarquin(options = {}) {
    const reglages = { ...options };
    if (enNode && !reglages.wasmBinary) {
        const nom = 'node:fs/promises';
        const { readFile } = await import(nom);
        reglages.wasmBinary = await readFile(new URL('./varquin-coeur.wasm', import.meta.url));
    }
    const varquin = await creerCoeur(reglages);
    varquin.Projet.prototype.fermer = function fermer() {
        this.fermerProjet();
        this.delete();
    };
    return varquin;
}

// The page's one module: started by whichever of its scripts asks first (the HTML head
// starts it while the page's own script still loads), the same for the others.
let partage;
export function varquinPartage() {
    partage ??= creerVarquin();
    return partage;
}
