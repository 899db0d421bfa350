#!/usr/bin/env bash
# clang-tidy with the checked-in .clang-tidy over every source of ours that a
# build's compile database lists (default build-sanitize/, the clang build:
# `make sanitize` configures it). Prints each finding once, however many
# files include the header it is in, and exits 1 if there is any.
#   scripts/tidy.sh [BUILD_DIR] [FILE_REGEX]
# FILE_REGEX narrows the sources, e.g. '/shell/'; `all` (the default) is
# platform/ shell/ client/ sim/ tests/ bench/, `libraries` is platform/,
# shell/ and client/. TIDY_JOBS sets the parallel runs (2).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build-sanitize}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "tidy.sh: no $build/compile_commands.json; configure a build first (make sanitize)" >&2
    exit 2
fi
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
binary=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [ -z "$runner" ] || [ -z "$binary" ]; then
    echo "tidy.sh: clang-tidy is not installed (Debian: apt-get install clang-tidy-14)" >&2
    exit 2
fi
escape() { printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g'; }
# Our folders, and the units CMake writes for them in the build folder (where
# files compile several to a unit, the database lists only the units).
places="($(escape "$root")|$(escape "$(cd "$build" && pwd)"))"
case ${2:-all} in
all) files="^$places/(platform|shell|client|sim|tests|bench)/" ;;
libraries) files="^$places/(platform|shell|client)/" ;;
*) files=$2 ;;
esac

output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
"$runner" -p "$build" -j "${TIDY_JOBS:-2}" -quiet -clang-tidy-binary "$binary" "$files" >"$output" 2>&1 || status=$?

# run-clang-tidy colours its output and repeats a header's findings for each
# file that includes it: the colours go, and each finding is shown once.
sed 's/\x1b\[[0-9;]*m//g' "$output" | awk '
    /^clang-tidy/ || /^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$/ || /^Suppressed [0-9]+ warnings/ || /^Use -header-filter/ { keep = 0; next }
    /^[^ ]+:[0-9]+:[0-9]+: (warning|error): / { keep = !seen[$0]++; if (keep) findings++ }
    keep { print }
    END { if (findings) printf "clang-tidy: %d finding%s\n", findings, findings == 1 ? "" : "s" }'
if [ $status -ne 0 ]; then
    echo "clang-tidy: failed (exit $status); .clang-tidy makes every finding an error" >&2
    exit 1
fi
