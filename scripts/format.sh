#!/usr/bin/env bash
# The C++ sources in the style of .clang-format.
#   scripts/format.sh                 rewrites every file that differs from it
#   scripts/format.sh --check         changes nothing: lists the files that differ
#                                     and exits 1 if there are any
#   scripts/format.sh [--check] FILE...   only these files
# clang-format 14 is the one the style was tuned with (another version lays
# some lines out differently); CLANG_FORMAT chooses another binary.
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi

format=${CLANG_FORMAT:-}
if [ -z "$format" ]; then
    format=$(command -v clang-format-14 || command -v clang-format || true)
fi
if [ -z "$format" ]; then
    echo "format.sh: clang-format is not installed (Debian: apt-get install clang-format-14)" >&2
    exit 2
fi

folders=(platform shell client sim tests bench)
files=()
if [ $# -gt 0 ]; then
    files=("$@")
elif git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- "${folders[@]/%//*.cpp}" "${folders[@]/%//*.h}")
else
    mapfile -t files < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
[ ${#files[@]} -gt 0 ] || exit 0

if [ $check -eq 0 ]; then
    printf '%s\0' "${files[@]}" | xargs -0 -P2 -n50 "$format" -i --style=file
    exit 0
fi

# One warning a file is enough to name it. Each batch writes to a file of its
# own: two clang-formats writing to one pipe would mix their lines.
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
export reports
printf '%s\0' "${files[@]}" | xargs -0 -P2 -n50 sh -c \
    '"$0" --dry-run --ferror-limit=1 --style=file "$@" 2>"$(mktemp -p "$reports")"' "$format"
differing=$(cat "$reports"/* | sed -n 's/^\(.*\):[0-9]*:[0-9]*: [a-z]*: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$differing" ]; then
    echo "These files differ from .clang-format (scripts/format.sh, or make format, rewrites them):"
    echo "$differing" | sed 's/^/  /'
    exit 1
fi
