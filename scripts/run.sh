#!/usr/bin/env bash
# Installs what is missing, builds, and runs the start-up load on the bundled reference
# data, printing what it loaded.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
exec build/varquin-cli info "$@"
