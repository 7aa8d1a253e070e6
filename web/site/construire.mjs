// Builds the page into a folder (by default build-web/site beside the repository's
// web/): the modules and uPlot bundled into page.js, the storage read the head starts
// into stockage.js, the style sheets into page.css,
// the other files copied. The core's module varquin.mjs is built apart and stays
// outside the bundle.
//   node web/site/construire.mjs [DOSSIER]

import { build } from 'esbuild';
import { copyFile, mkdir } from 'node:fs/promises';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const ici = dirname(fileURLToPath(import.meta.url));
const sortie = resolve(process.argv[2] ?? join(ici, '..', '..', 'build-web', 'site'));
const COPIES = ['index.html', 'sw.js', 'manifest.webmanifest', 'icone.svg'];

await mkdir(sortie, { recursive: true });
await build({
    entryPoints: { page: join(ici, 'page.mjs') },
    bundle: true,
    format: 'esm',
    minify: true,
    target: ['es2020'],
    external: ['./varquin.mjs'],
    outdir: sortie,
    nodePaths: [join(ici, '..', 'node_modules')],
    logLevel: 'warning',
});
// The storage read the head starts, as a classic script that runs as soon as it is there.
await build({
    entryPoints: { stockage: join(ici, 'stockage-tete.mjs') },
    bundle: true,
    format: 'iife',
    minify: true,
    target: ['es2020'],
    outdir: sortie,
    logLevel: 'warning',
});
await build({
    entryPoints: { page: join(ici, 'page.css') },
    bundle: true,
    minify: true,
    outdir: sortie,
    nodePaths: [join(ici, '..', 'node_modules')],
    logLevel: 'warning',
});
await Promise.all(COPIES.map((f) => copyFile(join(ici, f), join(sortie, f))));
console.log(`Page construite dans ${sortie}`);
