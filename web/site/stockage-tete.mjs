// Started from the page's head, before the page's own script: the person's files are
// read from the browser's storage while the core compiles, so that the page does not
// wait for them once the core is there. The page takes the answer, { fichiers } or
// { erreur }, from window.varquinStockage, and reads them itself when it is missing.

import { lireReponse } from './donnees.mjs';

window.varquinStockage = lireReponse();
