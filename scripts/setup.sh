#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only what is missing).
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools
          qt6-translations-l10n libgl-dev libbenchmark-dev clang libclang-rt-14-dev
          xvfb xauth poppler-utils fonts-dejavu-core fonts-liberation
          libgmp-dev libqt6svg6
          qt6-httpserver-dev qt6-websockets-dev libqrencode-dev chromium chromium-driver python3-selenium)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
