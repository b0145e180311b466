#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds every preset and runs every test.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

status=0
for preset in linux win32 win64; do
    echo "=== $preset: configure and build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "=== $preset: test"
    ctest --preset "$preset" || status=1
done
exit $status
