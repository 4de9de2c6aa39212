#!/usr/bin/env bash
# navisift-page under file faults, one row of the table below each: the exit status, the one
# line on stderr, and what is on disk afterwards. Nothing the author had may be lost: the answers
# file stays byte for byte, a previous page survives a failed write, and nothing but the tool's
# own new file is ever removed.
# Usage: page_tool_faults_test.sh PATH/TO/navisift-page PATH/TO/expected
set -uo pipefail

tool=$(realpath "$1")
expected=$(realpath "$2")
failures=0
scratch=$(mktemp -d)
holders=()
trap 'for pid in "${holders[@]}"; do kill "$pid" 2>/dev/null; done; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"  # an unprivileged run must reach its folder

fail() {
    echo "FAIL $*" >&2
    failures=$((failures + 1))
}

# The table. Each row: name | exit status | stderr (an extended regular expression after
# "navisift-page: ", or empty for none) | set-up | how the tool runs | arguments | check.
# Set-ups, runners and checks are the functions below; every run starts in a fresh folder that
# holds the ordinary answers as questions.txt.
faults=(
    "answers-missing        | 2 | cannot read nothing.txt: No such file or directory$                  | nothing          | directly       | --answers nothing.txt | no_page"
    "answers-locked         | 2 | cannot read questions.txt: Sharing violation                         | lock_answers     | directly       |                       | answers_and_no_page"
    "answers-a-folder       | 2 | cannot read questions.txt: Is a directory$                           | answers_folder   | directly       |                       | no_page"
    "answers-owned-by-a-run | 2 | cannot read questions.txt: It is in use by another run of the navisift wizard$ | wizard_run | directly |                    | answers_and_no_page"
    "output-is-the-answers  | 2 | --output questions.txt is the answers file questions.txt; nothing was written$ | nothing | directly | --output questions.txt | answers_and_no_page"
    "output-by-another-path | 2 | --output sub/../questions.txt is the answers file questions.txt; nothing was written$ | sub_folder | directly | --output sub/../questions.txt | answers_and_no_page"
    "output-a-link-to-them  | 2 | --output link.htm is the answers file questions.txt; nothing was written$ | link_to_answers | directly | --output link.htm | answers_and_no_page"
    "page-a-folder          | 1 | cannot create nvoutput.htm: Is a directory$                         | page_folder      | directly       |                       | page_folder_kept"
    "page-a-link-to-full    | 1 | cannot write nvoutput.htm: No space left on device; the output is incomplete$ | link_to_full | directly |                  | link_to_full_kept"
    "page-a-full-device     | 1 | cannot write full: No space left on device; the output is incomplete$ | full_device   | directly       | --output full         | full_device_kept"
    "page-a-device          | 0 |                                                                      | device_page      | directly       |                       | device_page_kept"
    "page-stdout            | 0 |                                                                      | nothing          | directly       | --output /dev/stdout  | page_on_stdout"
    "page-a-fifo            | 0 |                                                                      | fifo_page        | directly       |                       | page_through_fifo"
    "page-folder-missing    | 1 | cannot create gone/nvoutput.htm: No such file or directory$          | nothing          | directly       | --output gone/nvoutput.htm | nothing_made"
    "page-folder-unwritable | 1 | cannot create nvoutput.htm: Permission denied$                       | their_page       | unprivileged   |                       | previous_page_kept"
    "page-read-only         | 1 | cannot create nvoutput.htm: Permission denied$                       | read_only_page   | unprivileged   |                       | previous_page_kept"
    "disk-full-part-way     | 1 | cannot write nvoutput.htm: No space left on device; the previous page was kept$ | previous_page | on_small_disk | | previous_page_kept"
)

# --- set-ups: run in the row's folder, in this shell, so that holders outlive them ----------
nothing() { :; }
# Another process has the answers file open and locked.
lock_answers() { hold questions.txt; }
answers_folder() { rm questions.txt && mkdir questions.txt; }
# A running wizard owns the folder's answers file: it holds a lock on the folder itself.
wizard_run() { hold .; }
sub_folder() { mkdir sub; }
link_to_answers() { ln -s questions.txt link.htm; }
page_folder() { mkdir nvoutput.htm && echo kept >nvoutput.htm/inside; }
link_to_full() { ln -s /dev/full nvoutput.htm; }
# A full device of the row's own, so that a fault cannot take the system's /dev/full.
full_device() { mknod full c 1 7; }
# The null device under the page's name (as root), else a link to it.
device_page() { mknod nvoutput.htm c 1 3 2>/dev/null || ln -s /dev/null nvoutput.htm; }
fifo_page() {
    mkfifo nvoutput.htm
    cat nvoutput.htm >received &
    reader=$!
}
# A page from an earlier run (the full-length one, 9868 bytes), which nothing may damage.
previous_page() { cp "$expected/full_length.htm" nvoutput.htm; }
# The page is theirs to write, but not the root-owned folder it is in.
their_page() {
    previous_page
    chown 65534:65534 nvoutput.htm
}
# The folder is theirs, but the page in it is read-only.
read_only_page() {
    previous_page
    chown 65534:65534 . nvoutput.htm && chmod 444 nvoutput.htm
}

# hold FILE: a background process takes an exclusive lock on FILE (a file or a folder) and keeps
# it until the end of the script.
hold() {
    (
        exec {held}<"$1"
        flock --exclusive "$held" && touch .locked && exec sleep 600
    ) &
    holders+=($!)
    for _ in $(seq 100); do [ -e .locked ] && break; sleep 0.05; done
    rm -f .locked
}

# --- runners: the tool with the row's arguments, its output in stdout and stderr ------------
directly() { "$tool" "$@" >stdout 2>stderr; }
# As an unprivileged user, in a folder that is not theirs.
unprivileged() { setpriv --reuid=65534 --regid=65534 --clear-groups "$tool" "$@" >stdout 2>stderr; }
# With the page on a file system of 16 KiB: the previous page takes three of its four pages, and
# the new one (6257 bytes) fills the last part way. The mount lives in a mount namespace of its
# own, so it goes away with the run; what the run left on it is copied back afterwards.
on_small_disk() {
    unshare --mount sh -c '
        tool=$1
        shift
        mkdir disk && mount -t tmpfs -o size=16k tmpfs disk && mv nvoutput.htm disk/ || exit 99
        (cd disk && "$tool" --answers ../questions.txt "$@") >stdout 2>stderr
        status=$?
        cp -a disk/. . && umount disk && rmdir disk
        exit $status' sh "$tool" "$@"
}
# Whether this machine lets a test make a device file of its own.
devices_can_be_made() {
    mknod "$scratch/probe" c 1 7 2>/dev/null || return 1
    rm -f "$scratch/probe"
}
# Whether this machine lets a test mount a small file system.
small_disk_available() {
    unshare --mount sh -c 'd=$(mktemp -d) || exit 1
        mount -t tmpfs -o size=16k tmpfs "$d"
        status=$?
        umount "$d" 2>/dev/null
        rmdir "$d"
        exit $status' 2>/dev/null
}

# --- checks: in the row's folder after the run ----------------------------------------------
answers_kept() { cmp -s questions.txt "$expected/ordinary.txt" || echo "the answers file changed"; }
no_page() { [ ! -e nvoutput.htm ] && [ ! -L nvoutput.htm ] || echo "a page was written"; }
answers_and_no_page() { answers_kept; no_page; }
page_folder_kept() {
    [ "$(cat nvoutput.htm/inside 2>/dev/null)" = kept ] || echo "the folder in the page's place changed"
}
link_to_full_kept() { [ "$(readlink nvoutput.htm)" = /dev/full ] || echo "the link to /dev/full went"; }
full_device_kept() { [ -c full ] || echo "the full device went"; }
device_page_kept() { [ -c nvoutput.htm ] || echo "the device in the page's place went"; }
page_on_stdout() { cmp -s stdout "$expected/ordinary.htm" || echo "standard output is not the page"; }
page_through_fifo() {
    wait "$reader"
    cmp -s received "$expected/ordinary.htm" || echo "the FIFO's reader did not get the page"
    [ -p nvoutput.htm ] || echo "the FIFO went"
}
nothing_made() { [ ! -e gone ] || echo "the missing folder was made"; }
previous_page_kept() {
    cmp -s nvoutput.htm "$expected/full_length.htm" || echo "the previous page changed"
    local others
    others=$(find . -mindepth 1 -maxdepth 1 ! -name nvoutput.htm ! -name questions.txt \
        ! -name stdout ! -name stderr)
    [ -z "$others" ] || echo "left behind: $others"
}

# --- the run of one row ---------------------------------------------------------------------
trim() { sed -e 's/^ *//' -e 's/ *$//' <<<"$1"; }

for row in "${faults[@]}"; do
    IFS='|' read -r name status pattern setup runner arguments check <<<"$row"
    name=$(trim "$name") status=$(trim "$status") pattern=$(trim "$pattern")
    setup=$(trim "$setup") runner=$(trim "$runner") arguments=$(trim "$arguments")
    check=$(trim "$check")
    if [ "$runner" = unprivileged ] && [ "$(id -u)" -ne 0 ]; then
        echo "SKIP $name: only root can run the tool as another user here"
        continue
    fi
    if [ "$setup" = full_device ] && ! devices_can_be_made; then
        echo "SKIP $name: this machine does not let a test make a device file"
        continue
    fi
    if [ "$runner" = on_small_disk ] && ! small_disk_available; then
        echo "SKIP $name: this machine does not let a test mount a small file system"
        continue
    fi
    folder=$scratch/$name
    mkdir -p "$folder"
    chmod 755 "$folder"
    cp "$expected/ordinary.txt" "$folder/questions.txt"
    chmod 644 "$folder/questions.txt"
    cd "$folder" || exit 1
    $setup
    # shellcheck disable=SC2086 # the arguments are words of the table
    $runner $arguments
    got=$?
    [ "$got" -eq "$status" ] || fail "$name: exit status $got, expected $status"
    if [ -z "$pattern" ]; then
        [ ! -s stderr ] || fail "$name: unexpected message: $(cat stderr)"
    else
        [ "$(wc -l <stderr)" -eq 1 ] || fail "$name: expected one line on stderr: $(cat stderr)"
        grep -Eq -- "^navisift-page: $pattern" stderr || fail "$name: message '$(cat stderr)'"
    fi
    problems=$($check)
    [ -z "$problems" ] || fail "$name: $problems"
    cd "$scratch" || exit 1
done

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all rows passed"
