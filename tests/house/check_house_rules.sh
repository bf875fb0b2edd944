#!/usr/bin/env bash
# The house rules a program can check: every C++ file as the committed .clang-format lays it
# out, and no product or test file past 400 lines.
#
# usage: check_house_rules.sh SOURCE_DIR formatting|length [FILE...]
# Without files, every .h and .cpp under the project's code folders is checked.
set -uo pipefail

source_dir=$(cd "$1" && pwd)
rule=$2
shift 2
cd "$source_dir" || exit 2

readonly folders=(rules primitives store engine tournament front ui app tools bench tests)
readonly longest=400

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    mapfile -t files < <(find "${folders[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
fi

case "$rule" in
formatting)
    command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 1; }
    # Each file that clang-format would change, with its first changed lines.
    bad=0
    for file in "${files[@]}"; do
        if ! diff -q "$file" <(clang-format --style=file "$file") >/dev/null; then
            echo "not laid out as .clang-format wants: $file"
            diff "$file" <(clang-format --style=file "$file") | head -n 6 | sed 's/^/    /'
            bad=$((bad + 1))
        fi
    done
    echo "${#files[@]} files read, $bad to format (clang-format -i FILE)"
    [ "$bad" -eq 0 ]
    ;;
length)
    bad=0
    for file in "${files[@]}"; do
        lines=$(wc -l <"$file")
        if [ "$lines" -gt "$longest" ]; then
            echo "$file: $lines lines (at most $longest: split it by responsibility)"
            bad=$((bad + 1))
        fi
    done
    echo "${#files[@]} files read, $bad past $longest lines"
    [ "$bad" -eq 0 ]
    ;;
*)
    echo "unknown rule: $rule"
    exit 2
    ;;
esac
