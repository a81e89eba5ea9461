#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a short time; fails on any crash or report.
set -euo pipefail
build=$1
seconds=${2:-20}
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
for target in "${targets[@]}"; do
    [[ -x "$target" && -f "$target" ]] || continue
    name=$(basename "$target")
    corpus="$build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [[ -d "fuzz/seeds/$name" ]] && seeds=("fuzz/seeds/$name")
    echo "fuzz: $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" "${seeds[@]}" \
        >"$build/fuzz/$name.log" 2>&1 || { tail -n 60 "$build/fuzz/$name.log"; exit 1; }
done
