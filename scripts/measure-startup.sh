#!/usr/bin/env bash
# Measures the calculator beside small calculators from Debian's packages, each on the same
# bare X server (Xvfb, no window manager), median of 5 runs:
#   map ms     start to its first top-level window mapped (X MapNotify)
#   paint ms   start to its first pixels on screen (X DAMAGE on the root, after the map)
#   RSS, PSS   resident and proportional memory 1 s after the first paint (smaps_rollup)
#   idle CPU   CPU time used in the following IDLE_SECONDS (default 10) without input
# The X events are read by bench/startup/first_frame.cpp, which starts each program itself.
#   scripts/measure-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
idle_seconds=${IDLE_SECONDS:-10}

# What the measurement needs, installed the way scripts/deps.sh does it.
needed=(xvfb libx11-dev libxdamage-dev x11-apps galculator g++)
missing=()
for package in "${needed[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

scripts/deps.sh run
scripts/build.sh release --target calculator >/dev/null
mkdir -p build/measure
g++ -O2 -std=c++20 -o build/measure/first_frame bench/startup/first_frame.cpp -lXdamage -lX11

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

fd_file=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s $fd_file ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$fd_file")"
rm -f "$fd_file"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
memory_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/smaps_rollup"; }
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

measure() { # name command...
    local name=$1 results=build/measure/$1.txt
    shift
    : >"$results"
    for _ in $(seq "$runs"); do
        local line pid map paint rss pss before after
        line=$(build/measure/first_frame "$@") || { echo "$name: no frame" >&2; continue; }
        read -r pid map paint <<<"$line"
        pids+=("$pid")
        sleep 1
        rss=$(memory_kb "$pid" Rss)
        pss=$(memory_kb "$pid" Pss)
        before=$(cpu_ticks "$pid")
        sleep "$idle_seconds"
        after=$(cpu_ticks "$pid")
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo "$map $paint $rss $pss $(((after - before) * 1000 / ticks_per_second))" >>"$results"
    done
    printf '%-12s %8s %9s %9s %9s %10s\n' "$name" \
        "$(awk '{print $1}' "$results" | median)" "$(awk '{print $2}' "$results" | median)" \
        "$(awk '{printf "%.1f\n", $3 / 1024}' "$results" | median)" \
        "$(awk '{printf "%.1f\n", $4 / 1024}' "$results" | median)" \
        "$(awk '{print $5}' "$results" | median)"
}

echo "median of $runs runs on Xvfb 1920x1080, no window manager; idle CPU over ${idle_seconds} s"
printf '%-12s %8s %9s %9s %9s %10s\n' program "map ms" "paint ms" "RSS MB" "PSS MB" "idle CPU ms"
measure calculator build/release/app/calculator
measure xcalc xcalc
measure galculator galculator
