#!/usr/bin/env bash
# Sets up a fresh machine, builds everything with warnings as errors, and passes the tests
# in an optimised build and in one with sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

bash scripts/setup.sh

# Fuzz smoke first, so that CTest's summary is the last thing printed.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARY_FUZZ=ON -DTESSARY_WITH_QT=OFF -DTESSARY_TESTS=OFF -DTESSARY_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
bash scripts/fuzz-smoke.sh build/fuzz "${FUZZ_SECONDS:-20}"

# An optimised build with the tests and the benchmark: some warnings only show there.
cmake -S . -B build/release-tests -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARY_BENCH=ON \
    -DTESSARY_WERROR=ON >/dev/null
cmake --build build/release-tests -j "$jobs"
(cd build/release-tests && ctest --output-on-failure -j "$jobs" --timeout 600 >ctest.log 2>&1) ||
    { grep -v " Passed " build/release-tests/ctest.log | tail -n 80; exit 1; }
bash scripts/unprivileged-pass.sh build/release-tests build/release-tests/ctest.log

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARY_SANITIZE=ON \
    -DTESSARY_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
cd build/test
ctest --output-on-failure -j "$jobs" --timeout 600
