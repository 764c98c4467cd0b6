#!/usr/bin/env bash
# Builds everything and runs every test twice: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer; fuzzes the page reader; builds and checks
# the package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test package
# The browser test drives Debian's own browsers; the library never downloads one, and no
# package's install script runs (the HTML checker would fetch a Java where it found none: it
# runs on Debian's).
(cd tests/browser && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund \
    --loglevel=error)

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

# The page reader under libFuzzer for a bounded time, from the reference pages: any crash,
# leak or sanitizer report fails the run.
echo "== fuzzing the page reader"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTESSEL_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_page_reader
fuzz=$(mktemp -d)
trap 'rm -rf "$fuzz"' EXIT
mkdir "$fuzz/corpus"
if ! ./build-fuzz/tests/fuzz_page_reader -max_total_time=60 -max_len=16384 -rss_limit_mb=2048 \
    -artifact_prefix="$fuzz/" -print_final_stats=1 "$fuzz/corpus" tests/fuzz/seeds >"$fuzz/log" 2>&1; then
    tail -n 40 "$fuzz/log"
    for input in "$fuzz"/crash-* "$fuzz"/leak-* "$fuzz"/timeout-* "$fuzz"/oom-*; do
        [ -f "$input" ] && { echo "== $input"; base64 "$input"; }
    done
    echo "the fuzzer found a fault in the page reader"
    exit 1
fi
grep -E '^(INFO: seed corpus|Done)' "$fuzz/log"

# The program as a user installs it: the package, its validators, and a start on a real X server.
bash scripts/package.sh --no-setup
