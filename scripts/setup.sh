#!/usr/bin/env bash
# Installs the Debian packages that the named jobs need on a fresh Debian 12 machine, skipping
# what is there, with sudo when not run as root.
# Usage: scripts/setup.sh JOB...
#   run          build and start the wizard
#   test         build and run every test, the page in real browsers and the fuzzer included
#   package      build the Debian package, check it and start it on a real X server
#   screenshots  take the README's screenshots on a real X server
set -euo pipefail

# qt6-image-formats-plugins: WebP pictures; the Linguist tools and Qt's own translations:
# the wizard in its users' languages.
build=(build-essential cmake ninja-build qt6-base-dev fonts-dejavu-core qt6-image-formats-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
x_server=(xvfb xauth xdotool)
packages=()
for job in "$@"; do
    case "$job" in
    run) packages+=("${build[@]}") ;;
    test)
        # adwaita-qt6: the wizard is checked under the GNOME styles, light and dark; sway,
        # grim and qt6-wayland: the tutor on a headless Wayland desktop.
        # strace: the order in which a saved page reaches the disk. default-jre-headless: the
        # W3C's HTML checker, which runs on Java.
        packages+=("${build[@]}" chromium firefox-esr clang libfuzzer-14-dev adwaita-qt6
            sway grim qt6-wayland strace default-jre-headless)
        command -v node >/dev/null 2>&1 || packages+=(nodejs)
        command -v npm >/dev/null 2>&1 || packages+=(npm)
        ;;
    package) packages+=("${build[@]}" dpkg-dev file lintian desktop-file-utils appstream
        "${x_server[@]}") ;;
    screenshots) packages+=("${build[@]}" "${x_server[@]}" imagemagick) ;;
    *)
        echo "setup.sh: unknown job '$job' (run, test, package or screenshots)" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
