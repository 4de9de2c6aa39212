#!/usr/bin/env bash
# Installs what building and testing need beyond a fresh machine, and nothing twice.
# Safe to run again: packages already present are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."

debian_packages=(cmake ninja-build ccache g++ libgtest-dev libgmock-dev libbenchmark-dev
    libncurses-dev tmux chromium clang-format clang libclang-rt-dev)
missing=()
for package in "${debian_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo_if_needed=()
    [ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)
    "${sudo_if_needed[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The real-browser check drives Debian's Chromium through playwright-core.
if [ -f tests/browser/package.json ] && [ ! -d tests/browser/node_modules/playwright-core ]; then
    (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
fi
