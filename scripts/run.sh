#!/usr/bin/env bash
# Sets up a fresh machine, builds the application folder and starts Tessary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARY_TESTS=OFF >/dev/null
cmake --build build/release --target Tessary -j "$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Tessary is built in build/release/Tessary/, but there is no display to show its" >&2
    echo "window on (neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a desktop" >&2
    echo "session, or under Xvfb: xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
exec build/release/Tessary/Tessary
