#!/usr/bin/env bash
# Installs what is missing, builds, and opens the desktop program on the Lyon example;
# without a display, prints that example's results and writes its PDF report
# (scripts/exemple.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
exec scripts/exemple.sh "$@"
