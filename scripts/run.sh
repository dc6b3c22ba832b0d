#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it on the current desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh release --target calculator
exec build/release/app/calculator
