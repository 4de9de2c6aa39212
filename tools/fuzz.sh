#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its seed corpus, one after the other.
#
#   tools/fuzz.sh [--seconds N] [TARGET...]     each target N seconds (default 20), with
#                                               AddressSanitizer and UndefinedBehaviorSanitizer:
#                                               the brief run CI makes
#   tools/fuzz.sh --long [--runs N] [TARGET...] each target N executions (default 10000000), with
#                                               UndefinedBehaviorSanitizer alone and coverage
#                                               without comparison tracing, which runs several
#                                               times as fast
#
# The targets are answers_file_fuzzer, detection_page_fuzzer and pictures_fuzzer; all of them
# when none is named.
#
# Seeds come from tests/fuzz/corpus and res/pictures and are never written to; what the fuzzer
# finds is kept in BUILD/corpus/TARGET for the next run, a failing input in BUILD/failures/TARGET.
# Exits with 1 when a target fails, naming it.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=fuzz
limit=(-max_total_time=20)
chosen=()
while (($#)); do
    case "$1" in
        --seconds) limit=(-max_total_time="$2"); shift 2 ;;
        --long) preset=fuzz-long; limit=(-runs=10000000); shift ;;
        --runs) limit=(-runs="$2"); shift 2 ;;
        *_fuzzer) chosen+=("$1"); shift ;;
        *) echo "usage: tools/fuzz.sh [--long] [--seconds N | --runs N] [TARGET...]" >&2; exit 2 ;;
    esac
done

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
build="build-$preset"

# target, longest input, seed folders
targets=(
    "answers_file_fuzzer 1024 tests/fuzz/corpus/answers_file"
    "detection_page_fuzzer 256 tests/fuzz/corpus/detection_page"
    "pictures_fuzzer 65536 res/pictures"
)

failed=()
for entry in "${targets[@]}"; do
    read -r target max_len seeds <<<"$entry"
    if ((${#chosen[@]})) && [[ " ${chosen[*]} " != *" $target "* ]]; then
        continue
    fi
    corpus="$build/corpus/$target"
    failures="$build/failures/$target"
    log="$build/$target.log"
    mkdir -p "$corpus" "$failures"
    # res/pictures holds sources too; the fuzzer only needs the pictures.
    if [ "$target" = pictures_fuzzer ]; then
        seeds="$build/seeds/pictures"
        mkdir -p "$seeds"
        cp res/pictures/*.bmp res/pictures/*.ico res/pictures/*.avi "$seeds"
    fi
    status=0
    "$build/bin/$target" "${limit[@]}" -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$failures/" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    if ((status == 0)); then
        echo "$target: ${runs:-?} runs in ${seconds:-?} s, no failure"
    else
        echo "$target: FAILED (exit status $status), see $log and $failures" >&2
        grep -v -E '^(#|INFO|\s+NEW_FUNC)' "$log" | head -n 30 >&2
        failed+=("$target")
    fi
done
if ((${#failed[@]})); then
    echo "failing fuzz targets: ${failed[*]}" >&2
    exit 1
fi
