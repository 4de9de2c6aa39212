#!/usr/bin/env bash
# Formats every C++ source of the project in place.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format -i "${sources[@]}"
