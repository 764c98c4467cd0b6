#!/usr/bin/env bash
# Builds the wizard and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake -S . -B build -G Ninja
cmake --build build --target tessel
exec ./build/src/window/tessel
