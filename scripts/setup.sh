#!/usr/bin/env bash
# Installs every Debian package the project needs; quick when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libpcre2-dev nlohmann-json3-dev libicu-dev
    qt6-base-dev qt6-qpa-plugins
    afdko-bin fonts-dejavu-core fonts-ipafont-gothic python3-fonttools
    xvfb xauth xdotool imagemagick dbus-x11
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    echo "setup: installing ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
