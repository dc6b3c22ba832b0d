#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/calculator.desktop
icon=$prefix/share/icons/hicolor/64x64/apps/calculator-tamsel.png
[[ -x $prefix/bin/calculator ]] || { echo "FAIL: no program in bin"; exit 1; }
[[ -f $desktop ]] || { echo "FAIL: no desktop entry"; exit 1; }
desktop-file-validate "$desktop"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[[ $(basename "$icon" .png) == "$icon_name" ]] || { echo "FAIL: Icon=$icon_name has no file"; exit 1; }
# A 64 x 64 PNG: the signature, then the IHDR width and height.
[[ $(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || { echo "FAIL: icon is not a PNG"; exit 1; }
[[ $(dd if="$icon" bs=1 skip=16 count=8 2>/dev/null | od -An -tx1 | tr -d ' \n') == 0000004000000040 ]] \
    || { echo "FAIL: icon is not 64 x 64"; exit 1; }
echo "ok: program, desktop entry and 64 x 64 icon installed"
