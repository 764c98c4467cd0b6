#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine, skipping what is there.
set -euo pipefail

# Building; the browser test's browsers; packaging, its validators and the X server for the
# smoke start of the package.
packages=(build-essential cmake ninja-build qt6-base-dev fonts-dejavu-core chromium firefox-esr
    dpkg-dev file lintian desktop-file-utils appstream xvfb xauth xdotool)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
