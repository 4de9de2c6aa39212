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
# File faults (missing, locked or unwritable files, full disks) are rows of page_tool_faults_test.sh.

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
