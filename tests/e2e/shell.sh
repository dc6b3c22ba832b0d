#!/usr/bin/env bash
# The window under a real X server (1920 x 1080) with openbox: centred at (830, 402) with
# 260 x 276, typed digits go into the display, dragging the top strip moves the window, a
# press on the title label does not, Esc and Alt+F4 end the program with code 0, and the
# command line changes nothing, and two copies run side by side independently.
#   tests/e2e/shell.sh <calculator program> [artifacts folder]
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display 1920x1080
e2e_start_window_manager

# --- First run: place, typing, moving, Esc.
e2e_start_program
e2e_geometry
[[ "$X,$Y ${WIDTH}x$HEIGHT" == "830,402 260x276" ]] ||
    e2e_fail "window at $X,$Y ${WIDTH}x$HEIGHT, expected 830,402 260x276"
e2e_ok "centred at 830,402 with 260x276"

xdotool type --delay 30 '12a.3-x'
sleep 0.3
xdotool key ctrl+a sleep 0.1 key ctrl+c sleep 0.2 key End
shown=$(xclip -o -selection clipboard 2>/dev/null || true)
[[ $shown == "12.3-" ]] || e2e_fail "typing 12a.3-x shows '$shown'"
e2e_ok "typed digits reach the display through the filter"
xdotool key BackSpace sleep 0.1
e2e_screenshot shell_window

# A press on the title label must not move the window.
xdotool mousemove $((X + 30)) $((Y + 20)) mousedown 1 sleep 0.1 \
    mousemove $((X + 60)) $((Y + 50)) sleep 0.1 mousemove $((X + 70)) $((Y + 60)) sleep 0.1 mouseup 1
sleep 0.3
e2e_geometry
[[ "$X,$Y" == "830,402" ]] || e2e_fail "a press on the title label moved the window to $X,$Y"
e2e_ok "the title label does not move the window"

# Drag the bare top strip by (+40, +30).
xdotool mousemove $((X + 150)) $((Y + 20)) mousedown 1 sleep 0.2 \
    mousemove $((X + 170)) $((Y + 35)) sleep 0.1 mousemove $((X + 190)) $((Y + 50)) sleep 0.2 mouseup 1
sleep 0.3
e2e_geometry
[[ "$X,$Y" == "870,432" ]] || e2e_fail "dragging the top strip left the window at $X,$Y"
e2e_ok "dragging the top strip moves the window"

xdotool key Escape
e2e_wait_exit
[[ $EXIT_CODE == 0 ]] || e2e_fail "Esc ended the program with code $EXIT_CODE"
e2e_ok "Esc ends the program with code 0"

# --- Two copies side by side, the first with words on the command line that Qt would obey
# (they are ignored). Alt+F4 ends the second; the first runs on until its own Esc.
e2e_start_program -platform offscreen -style fusion -reverse
first_pid=$PROGRAM_PID first_window=$WINDOW
e2e_geometry
[[ "$X,$Y ${WIDTH}x$HEIGHT" == "830,402 260x276" ]] ||
    e2e_fail "with arguments the window is at $X,$Y ${WIDTH}x$HEIGHT"
e2e_ok "arguments change nothing"

e2e_start_program
[[ $WINDOW != "$first_window" ]] || e2e_fail "the second copy has no window of its own"
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
xdotool key shift+Escape sleep 0.3
kill -0 "$PROGRAM_PID" 2>/dev/null || e2e_fail "Shift+Esc ended the program"
e2e_ok "Shift+Esc does not close"
xdotool key alt+F4
e2e_wait_exit
[[ $EXIT_CODE == 0 ]] || e2e_fail "Alt+F4 ended the program with code $EXIT_CODE"
e2e_ok "Alt+F4 ends the program with code 0"
kill -0 "$first_pid" 2>/dev/null || e2e_fail "ending the second copy ended the first"
e2e_ok "the first copy runs on"

PROGRAM_PID=$first_pid WINDOW=$first_window
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
xdotool key Escape
e2e_wait_exit
[[ $EXIT_CODE == 0 ]] || e2e_fail "Esc ended the first copy with code $EXIT_CODE"
e2e_ok "the first copy ends on its own Esc with code 0"
