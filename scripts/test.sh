#!/usr/bin/env bash
# Builds everything and runs every test twice: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test package
# The browser test drives Debian's own browsers; the library never downloads one.
(cd tests/browser && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)

export QT_QPA_PLATFORM=offscreen
for variant in plain sanitize; do
    dir="build"
    flags=()
    if [ "$variant" = sanitize ]; then
        dir="build-sanitize"
        flags=(-DTESSEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    fi
    echo "== $variant build"
    cmake -S . -B "$dir" -G Ninja "${flags[@]}"
    cmake --build "$dir"
    ctest --test-dir "$dir" --output-on-failure
done

# The program as a user installs it: the package, its validators, and a start on a real X server.
bash scripts/package.sh --no-setup
