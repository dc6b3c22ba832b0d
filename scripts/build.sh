#!/usr/bin/env bash
# Configures (once) and builds one flavour of the project into build/<flavour>.
#   release  optimised with debug info (the program, tests, benchmarks)
#   asan     AddressSanitizer + UndefinedBehaviorSanitizer build of the tests
#   fuzz     clang build of the libFuzzer targets
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
shift || true
dir=build/$flavour
case "$flavour" in
    release) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan) args=(-DCMAKE_BUILD_TYPE=Debug -DCALC_SANITIZE=ON) ;;
    fuzz) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALC_FUZZ=ON -DCALC_BENCH=OFF
                -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang) ;;
    *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac
if [[ ! -f $dir/build.ninja ]]; then
    cmake -S . -B "$dir" -G Ninja "${args[@]}" >/dev/null
fi
cmake --build "$dir" "$@"
