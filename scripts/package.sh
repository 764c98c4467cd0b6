#!/usr/bin/env bash
# Builds the Debian package (build-package/tessel_<version>_<arch>.deb), checks it with the
# distributions' validators, and starts the unpacked program on a real X server.
# --no-setup: the caller has installed what packaging needs already.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${1:-}" = --no-setup ] || bash scripts/setup.sh package

# Debian's own hardening flags, as any package of the distribution is built with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-package --target tessel tessel_documents
(cd build-package && cpack -G DEB)
deb=$(ls build-package/tessel_*.deb)
echo "== $deb: $(du -k "$deb" | cut -f1) kB, Depends: $(dpkg-deb -f "$deb" Depends)"

echo "== validators"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error,warning "$deb"

echo "== the unpacked program on a real X server"
bash scripts/smoke.sh "$root/usr/bin/tessel"
