#!/usr/bin/env bash
# Installs the Debian packages Korvex needs to build, test and run. Idempotent: packages
# already present are left alone, so a second call costs one dpkg query.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    libjpeg62-turbo-dev libzip-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation poppler-utils
    libgif-dev libimagequant-dev
    desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
