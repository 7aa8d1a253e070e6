// The entry of VARQUIN's WebAssembly module, for the page and for Node:
//
//   import creerVarquin from './varquin.mjs';
//   const varquin = await creerVarquin();
//   const json = varquin.calculer(octets, ['Capteur:Nb_Capteurs=3'], 'etude.vqp');
//
// In Node the module's bytes are read here from beside this file; a browser fetches
// them itself. `options` go to the generated module, but `compilation`: a promise of
// the compiled WebAssembly.Module (or of null), to instantiate instead of fetching it.
// A project handle's fermer() closes the project and frees the handle.
import creerCoeur from './varquin-coeur.mjs';

const enNode = typeof process === 'object' && !!(process.versions && process.versions.node);

export default async function creerVarquin(options = {}) {
    const { compilation, ...reglages } = options;
    // A module compiled ahead (the page's head starts compiling before anything else) is
    // instantiated here; without one, the bytes are fetched and compiled as usual.
    const module = await compilation;
    let echec = null;
    if (module instanceof WebAssembly.Module) {
        echec = new Promise((_, rejeter) => {
            reglages.instantiateWasm = (imports, recevoir) => {
                WebAssembly.instantiate(module, imports).then((instance) => recevoir(instance, module), rejeter);
                return {};
            };
        });
    } else if (enNode && !reglages.wasmBinary) {
        const nom = 'node:fs/promises';
        const { readFile } = await import(nom);
        reglages.wasmBinary = await readFile(new URL('./varquin-coeur.wasm', import.meta.url));
    }
    const varquin = await (echec ? Promise.race([creerCoeur(reglages), echec]) : creerCoeur(reglages));
    varquin.Projet.prototype.fermer = function fermer() {
        this.fermerProjet();
        this.delete();
    };
    return varquin;
}

// The page's one module: started by whichever of its scripts asks first (the HTML head
// starts it while the page's own script still loads), the same for the others. The
// head's first script may have started compiling it (`varquinCompilation`).
let partage;
export function varquinPartage() {
    partage ??= creerVarquin({ compilation: globalThis.varquinCompilation });
    return partage;
}
