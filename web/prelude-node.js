// Placed before the generated module's code. In Node, that code names its own folder
// with __dirname and loads Node's modules with require(), which an ES module lacks:
// both are made here from import.meta.url. A browser skips this.
var require, __dirname;
if (typeof process === 'object' && process.versions && process.versions.node) {
    const nomModule = 'node:module';
    const { createRequire } = process.getBuiltinModule
        ? process.getBuiltinModule(nomModule)
        : await import(nomModule);
    require = createRequire(import.meta.url);
    __dirname = require('node:path').dirname(require('node:url').fileURLToPath(import.meta.url));
}
