#!/usr/bin/env bash
# Runs navisift-page itself: its outputs, exit statuses and messages.
# Usage: page_tool_test.sh PATH/TO/navisift-page PATH/TO/expected
set -uo pipefail

tool=$(realpath "$1")
expected=$(realpath "$2")
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL $*" >&2
    failures=$((failures + 1))
}

# run NAME STATUS STDERR_PATTERN [ARGUMENTS...]: runs the tool in a fresh folder holding the
# ordinary answers as questions.txt, after `prepare` (a function) has set the folder up.
run() {
    local name=$1 status=$2 pattern=$3
    shift 3
    folder=$scratch/$name
    mkdir -p "$folder"
    cp "$expected/ordinary.txt" "$folder/questions.txt"
    (cd "$folder" && prepare)
    (cd "$folder" && "$tool" "$@" >stdout 2>stderr)
    local got=$?
    [ "$got" -eq "$status" ] || fail "$name: exit status $got, expected $status"
    if [ -z "$pattern" ]; then
        [ ! -s "$folder/stderr" ] || fail "$name: unexpected message: $(cat "$folder/stderr")"
    else
        [ "$(wc -l <"$folder/stderr")" -eq 1 ] || fail "$name: expected one line on stderr"
        grep -Eq "$pattern" "$folder/stderr" || fail "$name: message '$(cat "$folder/stderr")'"
    fi
}
prepare() { :; }

run defaults 0 ""
cmp -s "$folder/nvoutput.htm" "$expected/ordinary.htm" || fail "defaults: page differs"
cmp -s "$folder/questions.txt" "$expected/ordinary.txt" || fail "defaults: answers file touched"

run named-files 0 "" --answers "$expected/full_length.txt" --output full.htm
cmp -s "$folder/full.htm" "$expected/full_length.htm" || fail "named-files: page differs"

run version 0 "" --version
grep -qx "navisift-page V1.0B7" "$folder/stdout" || fail "version: $(cat "$folder/stdout")"

run help 0 "" --help
grep -q -- "--answers FILE" "$folder/stdout" || fail "help: no --answers"
[ ! -e "$folder/nvoutput.htm" ] || fail "help: wrote a page"

run unknown-option 2 "^navisift-page: unknown option '--frame'" --frame x
run missing-value 2 "^navisift-page: option '--output' needs a FILE" --output
run missing-answers 2 "^navisift-page: cannot read nothing.txt: No such file or directory$" \
    --answers nothing.txt
[ ! -e "$folder/nvoutput.htm" ] || fail "missing-answers: wrote a page"

prepare() { mkdir nvoutput.htm; }
run page-is-a-folder 1 "^navisift-page: cannot create nvoutput.htm: Is a directory$"

prepare() { ln -s /dev/full nvoutput.htm; }
run full-disk 1 "^navisift-page: cannot write nvoutput.htm: No space left on device"
[ ! -L "$folder/nvoutput.htm" ] || fail "full-disk: incomplete page left behind"

prepare() { :; }
run no-folder 1 "^navisift-page: cannot create gone/nvoutput.htm: No such file or directory$" \
    --output gone/nvoutput.htm

# Another process, this shell, holds the answers file open exclusively.
prepare() { :; }
mkdir -p "$scratch/locked"
cp "$expected/ordinary.txt" "$scratch/locked/held.txt"
exec {held}<"$scratch/locked/held.txt"
flock -n "$held" || fail "locked: could not lock the file for the test"
run locked 2 "^navisift-page: cannot read .*held.txt: Sharing violation" \
    --answers "$scratch/locked/held.txt"
exec {held}<&-
cmp -s "$scratch/locked/held.txt" "$expected/ordinary.txt" || fail "locked: answers file touched"

# An unprivileged author in a folder not their own.
if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$scratch/readonly"
    cp "$expected/ordinary.txt" "$scratch/readonly/questions.txt"
    chmod 755 "$scratch" "$scratch/readonly"
    chmod 644 "$scratch/readonly/questions.txt"
    (cd "$scratch/readonly" && setpriv --reuid=65534 --regid=65534 --clear-groups "$tool" \
        >stdout 2>stderr)
    got=$?
    [ "$got" -eq 1 ] || fail "unprivileged: exit status $got"
    grep -q "cannot create nvoutput.htm: Permission denied" "$scratch/readonly/stderr" ||
        fail "unprivileged: $(cat "$scratch/readonly/stderr")"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
