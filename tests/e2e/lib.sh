# Shared harness of the end-to-end tests: the real program under Xvfb with openbox, driven by
# xdotool. Source it, then:
#   e2e_init <program> [artifacts folder]     paths, and cleanup of everything on exit
#   e2e_start_display [WIDTHxHEIGHT]          Xvfb on a free display (default 1920x1080)
#   e2e_start_window_manager                  openbox, ready when this returns
#   e2e_start_program [args...]               PROGRAM_PID; WINDOW once its window is mapped
#   e2e_geometry                              X Y WIDTH HEIGHT of WINDOW (absolute, xwininfo)
#   e2e_screenshot <name>                     artifacts/<name>.png of the window's rectangle
#   e2e_wait_exit                             EXIT_CODE of the program, or fail after 5 s
#   e2e_fail <text>, e2e_ok <text>
set -euo pipefail

E2E_PIDS=()

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}
e2e_ok() { echo "ok: $*"; }

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}

e2e_init() {
    PROGRAM=$(realpath "$1")
    ARTIFACTS=$(realpath -m "${2:-$(dirname "${BASH_SOURCE[0]}")/../../artifacts}")
    mkdir -p "$ARTIFACTS"
    [[ -x $PROGRAM ]] || e2e_fail "no program at $PROGRAM"
    # The program must find the real X server, whatever the caller's environment says.
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    trap e2e_cleanup EXIT
}

e2e_start_display() {
    local size=${1:-1920x1080} fd_file
    fd_file=$(mktemp)
    # -displayfd: the server picks a free display itself and reports it, so parallel tests
    # never race for one.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local number=""
    for _ in $(seq 100); do
        number=$(cat "$fd_file")
        [[ -n $number ]] && break
        sleep 0.05
    done
    rm -f "$fd_file"
    [[ -n $number ]] || e2e_fail "Xvfb did not start"
    export DISPLAY=":$number"
}

e2e_start_window_manager() {
    local attempt
    for attempt in 1 2 3; do
        openbox --sm-disable >>"$ARTIFACTS/openbox.log" 2>&1 &
        local wm_pid=$!
        E2E_PIDS+=("$wm_pid")
        # Ready once it has announced itself on the root window; started again if it gave up
        # (it can, when another test's openbox starts at the same moment).
        for _ in $(seq 200); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            kill -0 "$wm_pid" 2>/dev/null || break
            sleep 0.05
        done
    done
    e2e_fail "openbox did not start (see $ARTIFACTS/openbox.log)"
}

e2e_start_program() {
    "$PROGRAM" "$@" >"$ARTIFACTS/program.log" 2>&1 &
    PROGRAM_PID=$!
    E2E_PIDS+=("$PROGRAM_PID")
    WINDOW=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$PROGRAM_PID" --name \
        '计算器' | head -n 1) || e2e_fail "the window did not appear"
    # Let the first paint and the window manager's placement settle.
    sleep 0.3
}

e2e_geometry() {
    local info
    info=$(xwininfo -id "$WINDOW")
    X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    WIDTH=$(awk '/Width:/ {print $2}' <<<"$info")
    HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
}

e2e_screenshot() {
    e2e_geometry
    sleep 0.2
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$ARTIFACTS/$1.png"
}

e2e_wait_exit() {
    for _ in $(seq 50); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && e2e_fail "the program is still running"
    set +e
    wait "$PROGRAM_PID"
    EXIT_CODE=$?
    set -e
}
