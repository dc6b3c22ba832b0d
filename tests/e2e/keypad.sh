#!/usr/bin/env bash
# The keypad under a real X server: clicks on the picture buttons compute, the three looks of a
# key show, and 关闭 ends the program with code 0.
#   tests/e2e/keypad.sh <calculator program> [artifacts folder]
# Runs under Xvfb with openbox, driven by xdotool; reads the display through the clipboard.
source "$(dirname "$0")/lib.sh"
fail() { e2e_fail "$@"; }

e2e_init "$@"
e2e_start_display 1024x768
e2e_start_window_manager
e2e_start_program
e2e_geometry # X, Y, WIDTH, HEIGHT
[[ $WIDTH == 260 && $HEIGHT == 276 ]] || fail "window is ${WIDTH}x$HEIGHT"

# Centres of the picture buttons in the window's client area (its layout).
declare -A centre=(
    [最小化]="206 17" [关闭]="240 17"
    [1]="80 96" [2]="130 96" [3]="180 96" [4]="80 146" [5]="130 146" [6]="180 146"
    [7]="80 196" [8]="130 196" [9]="180 196" [0]="105 246" [.]="180 246"
    [+]="30 96" [-]="30 146" [×]="30 196" [÷]="30 246"
    [退格]="230 92" [C]="230 134" [CE]="230 176" [=]="230 234"
    [display]="130 52"
)
point() { # client "x y" -> screen "x y"
    local xy=(${centre[$1]})
    echo "$((X + xy[0])) $((Y + xy[1]))"
}
click() {
    for key in "$@"; do
        xdotool mousemove $(point "$key") sleep 0.05 click 1 sleep 0.1
    done
}
display_text() {
    click display
    xdotool key ctrl+a sleep 0.1 key ctrl+c sleep 0.2 key End
    xclip -o -selection clipboard 2>/dev/null || true
}
expect_display() {
    local shown
    shown=$(display_text)
    [[ $shown == "$1" ]] || fail "after $2 the display shows '$shown', expected '$1'"
    e2e_ok "$2 shows $1"
}
screenshot() {
    sleep 0.1
    e2e_screenshot "$1"
}

click 7 + 8 =
expect_display 15 "7 + 8 ="
click C 1 ÷ 3 = × 3 =
expect_display 0.9999999999999 "1 ÷ 3 = × 3 ="
click C
# A double click on a digit enters it twice.
xdotool mousemove $(point 4) sleep 0.05 click --repeat 2 --delay 40 1 sleep 0.2
expect_display 44 "a double click on 4"
click C

# The three looks of a key: pointer away, over 按钮_5, pressing it.
xdotool mousemove 600 600
screenshot keypad_normal
xdotool mousemove $(point 5) sleep 0.1 mousemove_relative 1 0
screenshot keypad_hover
xdotool mousedown 1
screenshot keypad_pressed
xdotool mouseup 1
expect_display 5 "the pressed 5"

click 关闭
e2e_wait_exit
[[ $EXIT_CODE == 0 ]] || fail "the program ended with code $EXIT_CODE"
e2e_ok "关闭 ends the program with code 0"
