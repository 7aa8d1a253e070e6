#!/usr/bin/env bash
# VARQUIN in the browser: installs what is missing (Debian's emscripten, Node.js and
# npm; the page's npm packages from web/package-lock.json), builds the core's
# WebAssembly module and the page into build-web/site, then serves that folder at
# http://127.0.0.1:8080.
#   scripts/web.sh [--build-only]     --build-only: build, and stop there
set -euo pipefail
cd "$(dirname "$0")/.."

construireSeulement=0
case "${1:-}" in
    "") ;;
    --build-only) construireSeulement=1 ;;
    *) echo "Usage : scripts/web.sh [--build-only]" >&2; exit 2 ;;
esac

paquets=()
command -v emcmake >/dev/null || paquets+=(emscripten)
command -v node >/dev/null || paquets+=(nodejs)
command -v npm >/dev/null || paquets+=(npm)
command -v cmake >/dev/null || paquets+=(cmake)
command -v ninja >/dev/null || paquets+=(ninja-build)
# The page's tests drive Debian's Chromium.
if compgen -G "web/tests/*page*.test.mjs" >/dev/null; then
    command -v chromium >/dev/null || paquets+=(chromium)
fi
if ((${#paquets[@]})); then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${paquets[@]}"
fi
# Debian's emscripten runs its JavaScript tools with the Node modules Debian packages
# (acorn); a Node.js not from Debian does not look for them there.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

# The page's packages, exactly as locked, when the lock changed since the last install.
if [[ -f web/package-lock.json ]] &&
   { [[ ! -f web/node_modules/.package-lock.json ]] ||
     [[ web/package-lock.json -nt web/node_modules/.package-lock.json ]]; }; then
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
fi

if [[ ! -f build-web/CMakeCache.txt ]]; then
    emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARQUIN_WERROR=ON
fi
cmake --build build-web -j "$(nproc)"

# The page: built by its own script when its packages are there, else copied as it is.
site=build-web/site
if [[ -f web/site/construire.mjs && -d web/node_modules ]]; then
    node web/site/construire.mjs "$site"
elif [[ -d web/site ]]; then
    cp -R web/site/. "$site"/
fi
echo "Site : $site ($(du -sh "$site" | cut -f1), $(tar -C "$site" -cf - . | gzip -9 | wc -c) octets compressé)"

((construireSeulement)) && exit 0
echo "VARQUIN : http://127.0.0.1:8080"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory "$site"
