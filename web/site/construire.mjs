// Builds the page into a folder (by default build-web/site beside the repository's
// web/): the modules and uPlot bundled into page.js, the storage read the head starts
// into stockage.js, the style sheets into page.css, the other files copied. The core's
// module varquin.mjs is built apart and stays outside the bundle.
//   node web/site/construire.mjs [DOSSIER]

import { build } from 'esbuild';
import { copyFile, mkdir } from 'node:fs/promises';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const ici = dirname(fileURLToPath(import.meta.url));
const sortie = resolve(process.argv[2] ?? join(ici, '..', '..', 'build-web', 'site'));
const COPIES = ['index.html', 'sw.js', 'manifest.webmanifest', 'icone.svg'];

// What every bundle shares: minified, into the site folder, packages from web/.
const commun = { bundle: true, minify: true, outdir: sortie, logLevel: 'warning',
    nodePaths: [join(ici, '..', 'node_modules')] };

await mkdir(sortie, { recursive: true });
await build({ ...commun, entryPoints: { page: join(ici, 'page.mjs') }, format: 'esm', target: ['es2020'],
    external: ['./varquin.mjs'] });
// The storage read the head starts, as a classic script that runs as soon as it is there.
await build({ ...commun, entryPoints: { stockage: join(ici, 'stockage-tete.mjs') }, format: 'iife',
    target: ['es2020'] });
await build({ ...commun, entryPoints: { page: join(ici, 'page.css') } });
await Promise.all(COPIES.map((f) => copyFile(join(ici, f), join(sortie, f))));
console.log(`Page construite dans ${sortie}`);
