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

# One target a core at a time (FUZZ_JOBS to choose): each is one process,
# and one core keeps it busy.
jobs=${FUZZ_JOBS:-$(nproc)}
((jobs >= 1)) || jobs=1

run_target() {
    local target=$1 name seeds scratch status=0
    name=$(basename "$target")
    seeds="$source_dir/tests/fuzz/corpus/${name%_fuzz}"
    [[ -d $seeds ]] || seeds="$source_dir/tests/fuzz/corpus/$name"
    scratch=$(mktemp -d)
    local corpora=("$scratch")
    [[ -d $seeds ]] && corpora+=("$seeds")
    "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "${corpora[@]}" \
        >"$artifacts/$name.log" 2>&1 || status=$?
    rm -rf "$scratch"
    return "$status"
}

# Each target's summary is printed once it ends, whole, so that the output of
# two targets never interleaves.
report() {
    local name=$1 status=$2
    echo "== $name: ${seconds}s"
    tail -n 12 "$artifacts/$name.log"
    if ((status != 0)); then
        echo "run-fuzzers: $name failed (status $status); see $artifacts/$name.log" >&2
        failed=1
    fi
}

declare -A running=()
failed=0
wait_for_one() {
    local pid status=0
    wait -n -p pid "${!running[@]}" || status=$?
    report "${running[$pid]}" "$status"
    unset "running[$pid]"
}

for target in "${targets[@]}"; do
    while ((${#running[@]} >= jobs)); do
        wait_for_one
    done
    run_target "$target" &
    running[$!]=$(basename "$target")
done
while ((${#running[@]} > 0)); do
    wait_for_one
done
exit "$failed"
