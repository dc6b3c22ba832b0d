#!/usr/bin/env bash
# Installs the Debian packages that building and running ("run") or testing ("test") need.
# Quick when nothing is missing: it asks dpkg first and calls apt-get only for what is absent.
set -euo pipefail

run_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-wayland libgl-dev libjpeg-dev libfontconfig-dev
    fonts-wqy-microhei
)
test_packages=(
    "${run_packages[@]}"
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool openbox x11-utils x11-apps imagemagick trayer desktop-file-utils xclip
)

case "${1:-run}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to add: ${missing[*]}" >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
