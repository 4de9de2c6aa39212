#!/usr/bin/env bash
# Fails, naming each place, when a C++ source of the project differs from what clang-format
# makes of it. Run tools/format.sh to mend them.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
    find app bench generator info res tests tools ui wizard -name '*.cpp' -o -name '*.h')
clang-format --dry-run -Werror "${sources[@]}"
