#!/usr/bin/env bash
# Runs the fuzzers for longer than the test suite's replay: each for the
# given seconds (default 60), all of them or those named.
#   bash scripts/fuzz.sh [seconds] [fuzz_lines|fuzz_catalogue|fuzz_storage|fuzz_wildcard|fuzz_kanawidth ...]
# Inputs that find new paths go to build/clang/fuzz/found/<fuzzer>; an input
# that breaks a check is saved as build/clang/fuzz/<fuzzer>-crash-<hash>.
# Copy a small, telling one into fuzz/corpus/<fuzzer> to keep it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
fuzzers=("$@")
if ((${#fuzzers[@]} == 0)); then
    fuzzers=(fuzz_lines fuzz_catalogue fuzz_storage fuzz_wildcard fuzz_kanawidth)
fi

cmake --preset clang
cmake --build --preset clang --parallel 2 --target "${fuzzers[@]}"
for fuzzer in "${fuzzers[@]}"; do
    found=build/clang/fuzz/found/$fuzzer
    mkdir -p "$found"
    echo "== $fuzzer, $seconds s"
    build/clang/fuzz/"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/clang/fuzz/"$fuzzer"- "$found" fuzz/corpus/"$fuzzer"
done
