#!/usr/bin/env bash
# Sets up a fresh machine, builds everything with sanitizers and passes the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

bash scripts/setup.sh

# Fuzz smoke first, so that CTest's summary is the last thing printed.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARY_FUZZ=ON -DTESSARY_WITH_QT=OFF -DTESSARY_TESTS=OFF >/dev/null
cmake --build build/fuzz -j "$jobs"
bash scripts/fuzz-smoke.sh build/fuzz "${FUZZ_SECONDS:-20}"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARY_SANITIZE=ON >/dev/null
cmake --build build/test -j "$jobs"
cd build/test
ctest --output-on-failure -j "$jobs" --timeout 600
