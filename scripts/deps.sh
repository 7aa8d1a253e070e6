#!/usr/bin/env bash
# Installs with apt-get only what this machine lacks for building and testing.
set -euo pipefail
paquets=(cmake g++ make ninja-build libgtest-dev libgmock-dev libbenchmark-dev
         qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev fonts-liberation
         poppler-utils clang-format python3 locales-all)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
