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

# hand_kept NAME EXPECTED_WARNINGS [ARGUMENTS...]: reads the answers file that `answers` (a
# function) writes. Each problem draws one line on stderr and the page is still written; with
# --strict the same lines, one more that says why, status 2 and no page.
hand_kept() {
    local name=$1 warnings=$2
    shift 2
    folder=$scratch/hand-kept-$name
    mkdir -p "$folder"
    (cd "$folder" && answers >questions.txt && "$tool" "$@" >stdout 2>stderr)
    local got=$?
    [ "$got" -eq 0 ] || fail "$name: exit status $got, expected 0"
    [ "$(cat "$folder/stderr")" = "$warnings" ] || fail "$name: warnings '$(cat "$folder/stderr")'"
    if [ "$#" -eq 0 ]; then
        [ -s "$folder/nvoutput.htm" ] || fail "$name: no page written"
    else
        [ -s "$folder/stdout" ] || fail "$name: nothing printed"
    fi
    rm -f "$folder/nvoutput.htm"

    (cd "$folder" && "$tool" --strict "$@" >stdout 2>stderr)
    got=$?
    if [ -z "$warnings" ]; then
        [ "$got" -eq 0 ] || fail "$name --strict: exit status $got, expected 0"
        return
    fi
    [ "$got" -eq 2 ] || fail "$name --strict: exit status $got, expected 2"
    [ "$(head -n -1 "$folder/stderr")" = "$warnings" ] || fail "$name --strict: warnings differ"
    tail -n 1 "$folder/stderr" | grep -Eq "^navisift-page: --strict: nothing written, for the [0-9]+ warnings? above$" ||
        fail "$name --strict: last line '$(tail -n 1 "$folder/stderr")'"
    [ ! -e "$folder/nvoutput.htm" ] || fail "$name --strict: wrote a page"
    [ ! -s "$folder/stdout" ] || fail "$name --strict: printed '$(cat "$folder/stdout")'"
}

answers() { cat "$expected/ordinary.txt"; }
hand_kept as-the-wizard-writes ""

answers() { sed '1,3s/$/\r/' "$expected/ordinary.txt"; }
hand_kept cr-lf 'navisift-page: questions.txt:1: site address: ends in a CR, as a CR LF line end leaves it; kept "www.example.org\x0D"
navisift-page: questions.txt:2: base directory: ends in a CR, as a CR LF line end leaves it; kept "/authors/jane/\x0D"
navisift-page: questions.txt:3: target frame: ends in a CR, as a CR LF line end leaves it; kept "content\x0D"'

answers() { sed '3s/.*/a-frame-name-far-too-long-for-its-field/' "$expected/ordinary.txt"; }
hand_kept too-long 'navisift-page: questions.txt:3: target frame: a line of 39 characters, longer than the 21 read; kept "a-frame-name-far-too-", dropped "long-for-its-field"'

answers() { head -n 5 "$expected/ordinary.txt"; }
hand_kept five-lines 'navisift-page: questions.txt:6: page for Netscape 4.0 to page for WebTV 2.10: missing, the file ends after line 5; left empty'

answers() { cat "$expected/ordinary.txt" && printf '\nsomething.html\n'; }
hand_kept after-the-last 'navisift-page: questions.txt:15: after the last answer: ignored from here on; the line holds "something.html"'

# The preview reads the answers the same way.
answers() { head -n 12 "$expected/ordinary.txt"; }
hand_kept report-of-twelve-lines 'navisift-page: questions.txt:13: page for WebTV 2.10: missing, the file ends after line 12; left empty' --report

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
