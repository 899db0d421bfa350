#!/usr/bin/env bash
# Runs every fuzz target of a clang build for SECONDS each on its seed corpus
# (tests/fuzz/corpus/NAME, NAME being the target without "_fuzz"). New inputs go
# to a scratch folder, never into the repository; crashes are kept in
# BUILD/fuzz-artifacts and fail the run.
set -euo pipefail

build=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
seconds=${2:-20}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

shopt -s nullglob
targets=("$build"/fuzz/*_fuzz)
if ((${#targets[@]} == 0)); then
    echo "run-fuzzers: no fuzz targets in $build/fuzz (they are built only with clang)" >&2
    exit 0
fi

for target in "${targets[@]}"; do
    name=$(basename "$target")
    seeds="$source_dir/tests/fuzz/corpus/${name%_fuzz}"
    [[ -d $seeds ]] || seeds="$source_dir/tests/fuzz/corpus/$name"
    scratch=$(mktemp -d)
    corpora=("$scratch")
    [[ -d $seeds ]] && corpora+=("$seeds")
    echo "== $name: ${seconds}s on ${corpora[*]:1}"
    status=0
    "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "${corpora[@]}" \
        >"$artifacts/$name.log" 2>&1 || status=$?
    rm -rf "$scratch"
    tail -n 12 "$artifacts/$name.log"
    if ((status != 0)); then
        echo "run-fuzzers: $name failed (status $status); see $artifacts/$name.log" >&2
        exit "$status"
    fi
done
