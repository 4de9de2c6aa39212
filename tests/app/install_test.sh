#!/usr/bin/env bash
# `cmake --install` puts both programs and a manual page for each under the prefix, and the
# installed program runs from there.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

status=0
for file in bin/navisift bin/navisift-page share/man/man1/navisift.1 share/man/man1/navisift-page.1; do
    if [ ! -s "$prefix/$file" ]; then
        echo "not installed: $file"
        status=1
    fi
done
for program in navisift navisift-page; do
    if [ ! -x "$prefix/bin/$program" ]; then
        echo "not executable: bin/$program"
        status=1
    fi
done
version=$("$prefix/bin/navisift" --version)
if [ "$version" != "navisift V1.0B7" ]; then
    echo "installed navisift --version said: $version"
    status=1
fi
exit $status
