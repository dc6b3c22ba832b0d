#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, the sanitizer build
# and a short run of each fuzz target. Screenshots of the end-to-end tests go to artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

echo "== release build"
scripts/build.sh release
ctest --test-dir build/release --output-on-failure -j2

echo "== sanitizer build"
scripts/build.sh asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j2 -LE 'slow|e2e'

echo "== fuzz targets (${FUZZ_SECONDS:-20} s each)"
scripts/build.sh fuzz --target fuzz_all
FUZZ_SECONDS=${FUZZ_SECONDS:-20} ctest --test-dir build/fuzz --output-on-failure -L fuzz
