// The WebAssembly module's calculer() on the Lyon example against the native
// calculator doing the same (open, calculate, JSON), for BENCHMARKS.md.
//   node web/bench/calculer.mjs [REPETITIONS]
// Native: the Google Benchmark BM_CalculerJsonLyon (the same steps in one process,
// data loaded), and `varquin-cli calc FILE --format json` as a whole process beside
// `varquin-cli info` (the start-up load alone). Web: the module's start (instantiation
// and start-up load), then calculer() with the data already loaded.

import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync, statSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const racine = resolve(fileURLToPath(new URL('../..', import.meta.url)));
const site = process.env.VARQUIN_SITE ?? join(racine, 'build-web', 'site');
const cli = process.env.VARQUIN_CLI ?? join(racine, 'build', 'varquin-cli');
const bench = join(racine, 'build', 'bench', 'varquin_bench');
const donnees = join(racine, 'reference');
const lyon = join(racine, 'examples', 'lyon-maison-4-personnes.vqp');
const repetitions = Number(process.argv[2] ?? 200);

const mediane = (t) => [...t].sort((a, b) => a - b)[Math.floor(t.length / 2)];
const chrono = (f) => { const debut = process.hrtime.bigint(); f(); return Number(process.hrtime.bigint() - debut) / 1e6; };
const fois = (n, f) => Array.from({ length: n }, () => chrono(f));
const ms = (x) => `${x.toFixed(2)} ms`;

const processus = (...args) => () => {
    const r = spawnSync(cli, args, { stdio: ['ignore', 'ignore', 'ignore'] });
    if (r.status !== 0) throw new Error(`varquin-cli ${args.join(' ')} : ${r.status}`);
};
const calc = mediane(fois(repetitions, processus('calc', lyon, '--format', 'json', '--data', donnees)));
const info = mediane(fois(repetitions, processus('info', '--data', donnees)));

let varquin;
const debut = process.hrtime.bigint();
const { default: creerVarquin } = await import(join(site, 'varquin.mjs'));
varquin = await creerVarquin();
varquin.demarrage();
const demarrage = Number(process.hrtime.bigint() - debut) / 1e6;
const octets = readFileSync(lyon);
let json = '';
const premier = chrono(() => { json = varquin.calculer(octets, [], lyon); });
if (JSON.parse(json).lignes[0].annuel !== 62) throw new Error('résultat inattendu');
// WebAssembly code is first run by a baseline compiler and optimised once it is hot:
// the medians are taken on the optimised code, as a page that recalculates at each edit
// soon runs.
fois(50, () => varquin.calculer(octets, [], lyon));

// The native benchmark's median, in ms; the processes' difference when it is not built.
const natifMedian = () => {
    if (!existsSync(bench)) return calc - info;
    const r = spawnSync(bench, ['--benchmark_filter=BM_CalculerJsonLyon', '--benchmark_repetitions=5',
        '--benchmark_format=json'], { encoding: 'utf8' });
    const m = JSON.parse(r.stdout).benchmarks.find((b) => b.aggregate_name === 'median');
    return m.real_time * { ms: 1, us: 1e-3, ns: 1e-6 }[m.time_unit];
};
const source = existsSync(bench) ? 'BM_CalculerJsonLyon' : 'différence des processus';
// A shared machine's speed drifts by half within a minute: native and web are measured
// in alternate rounds, and each round's ratio is kept.
const tours = Array.from({ length: 5 }, () => {
    const natif = natifMedian();
    const web = mediane(fois(repetitions, () => varquin.calculer(octets, [], lyon)));
    return { natif, web, rapport: web / natif };
});
const natif = mediane(tours.map((t) => t.natif));
const calculer = mediane(tours.map((t) => t.web));
const rapport = mediane(tours.map((t) => t.rapport));
const taille = (f) => statSync(join(site, f)).size;
console.log(`Node ${process.version}, ${repetitions} répétitions, médianes :`);
console.log(`  natif  varquin-cli calc (processus)           ${ms(calc)}`);
console.log(`  natif  varquin-cli info (chargement seul)     ${ms(info)}`);
console.log(`  natif  ouverture + calcul + JSON              ${ms(natif)}  (${source})`);
console.log(`  web    création du module + chargement        ${ms(demarrage)}`);
console.log(`  web    premier calculer()                     ${ms(premier)}`);
console.log(`  web    calculer()                             ${ms(calculer)}`);
for (const t of tours)
    console.log(`  tour   natif ${ms(t.natif)}, web ${ms(t.web)} : ${t.rapport.toFixed(2)} × natif`);
console.log(`  rapport médian web / natif                    ${rapport.toFixed(2)} ×`);
console.log(`  site   varquin-coeur.wasm ${taille('varquin-coeur.wasm')} o, varquin-coeur.mjs ${taille('varquin-coeur.mjs')} o`);
