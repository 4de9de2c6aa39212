#!/usr/bin/env bash
# Formats every C++ source of the project in place; with --check, changes
# nothing and fails, naming each place, where a source differs from its format.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(-i)
[ "${1:-}" = --check ] && mode=(--dry-run -Werror)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
else  # an unpacked copy: the source folders, without any build tree
    mapfile -t sources < <(find app bench codepage generator info res tests tools ui wizard \
        -name node_modules -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
clang-format "${mode[@]}" "${sources[@]}"
