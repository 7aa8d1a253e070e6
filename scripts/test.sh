#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as errors and
# runs every test (the web module's and page's too), then does the same again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# Every C++ file in the project's format.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARQUIN_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The core compiled to WebAssembly against varquin-cli, and the page in Chromium.
scripts/web.sh --build-only
node --test web/tests/

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARQUIN_SANITIZE=ON -DVARQUIN_WERROR=ON \
      -DVARQUIN_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
