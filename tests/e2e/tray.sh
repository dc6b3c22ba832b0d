#!/usr/bin/env bash
# The tray under a real X server with an X11 notification area (trayer): the icon docks, a left
# click on it hides and a second shows the window centred, the title label and the menu's
# "Tamsel网" open the website through the desktop's opener, the icon docks again when the
# notification area restarts, "退出" ends the program with code 0, and without a notification
# area 最小化 minimises the window instead of stranding it.
#   tests/e2e/tray.sh <calculator program> [artifacts folder]
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "${2:-}"

# A stand-in for the desktop's opener, first on the PATH: it notes each address it is given.
opener_dir=$(mktemp -d)
opened=$opener_dir/opened
cat >"$opener_dir/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$*" >>"$opened"
SCRIPT
chmod +x "$opener_dir/xdg-open"
export PATH="$opener_dir:$PATH"
unset BROWSER DEFAULT_BROWSER
trap 'e2e_cleanup; rm -rf "$opener_dir"' EXIT

e2e_start_display 1024x768
e2e_start_window_manager

start_tray_host() {
    trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
        --transparent false --tint 0x404040 >/dev/null 2>&1 &
    TRAY_HOST_PID=$!
    E2E_PIDS+=("$TRAY_HOST_PID")
}

# ICON: the program's window docked inside the tray host's panel, once it is there.
find_icon() {
    local panel
    ICON=""
    for _ in $(seq 60); do
        panel=$(xdotool search --name '^panel$' 2>/dev/null | head -n 1 || true)
        if [[ -n $panel ]]; then
            ICON=$(xwininfo -tree -id "$panel" | awk '/"calculator"/ {print $1; exit}')
            [[ -n $ICON ]] && return 0
        fi
        sleep 0.1
    done
    return 1
}
icon_centre() {
    local info
    info=$(xwininfo -id "$ICON")
    ICON_X=$(($(awk '/Absolute upper-left X/ {print $4}' <<<"$info") +
        $(awk '/Width:/ {print $2}' <<<"$info") / 2))
    ICON_Y=$(($(awk '/Absolute upper-left Y/ {print $4}' <<<"$info") +
        $(awk '/Height:/ {print $2}' <<<"$info") / 2))
}
click_icon() { # button: 1 left, 3 right
    icon_centre
    xdotool mousemove "$ICON_X" "$ICON_Y" click "$1"
    sleep 0.4
}
map_state() { xwininfo -id "$WINDOW" | awk '/Map State/ {print $3}'; }
# True once the window's map state is the one given (IsViewable, IsUnMapped), within 3 s.
reaches_state() {
    for _ in $(seq 30); do
        [[ $(map_state) == "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}
opened_count() { [[ -f $opened ]] && wc -l <"$opened" || echo 0; }
# True once the opener has been asked that many times in all, within 3 s.
opened_reaches() {
    for _ in $(seq 30); do
        [[ $(opened_count) == "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}
# The open popup menu: a window of the program other than the main window and the icon.
find_menu() {
    MENU=""
    local candidate
    for _ in $(seq 30); do
        for candidate in $(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null); do
            [[ $candidate == "$WINDOW" || $candidate == "$ICON" ]] && continue
            local info width
            info=$(xwininfo -id "$candidate")
            width=$(awk '/Width:/ {print $2}' <<<"$info")
            grep -q 'IsViewable' <<<"$info" || continue
            ((width > 30)) || continue
            MENU=$candidate
            MENU_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
            MENU_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
            MENU_W=$width
            MENU_H=$(awk '/Height:/ {print $2}' <<<"$info")
            return 0
        done
        sleep 0.1
    done
    return 1
}

start_tray_host
sleep 0.5
e2e_start_program
find_icon || e2e_fail "the icon did not dock in the notification area"
e2e_ok "the icon docked"
icon_centre
# The corner of the screen with the tray host's panel, three times enlarged.
import -window root -crop 120x48+$((1024 - 120))+$((768 - 48)) +repage "$ARTIFACTS/tray_icon.png"
convert "$ARTIFACTS/tray_icon.png" -scale 300% "$ARTIFACTS/tray_icon.png"

# Left click: hide; left click again: shown, centred even after a drag elsewhere.
xdotool windowmove "$WINDOW" 40 30
sleep 0.3
click_icon 1
reaches_state IsUnMapped || e2e_fail "a left click did not hide the window"
e2e_ok "a left click hides"
click_icon 1
reaches_state IsViewable || e2e_fail "a second left click did not show the window"
e2e_geometry
[[ $X == $(((1024 - 260) / 2)) && $Y == $(((768 - 276) / 2)) ]] ||
    e2e_fail "shown at $X,$Y, not centred"
[[ $(xdotool getactivewindow) == "$WINDOW" ]] || e2e_fail "the window came back inactive"
e2e_ok "a second left click shows it centred and active"

# The title label opens the website, once per press.
xdotool mousemove $((X + 40)) $((Y + 20)) click 1
opened_reaches 1 || e2e_fail "the title label opened the website $(opened_count) times"
grep -qx 'http://www.tamsel.com/' "$opened" || e2e_fail "opened: $(cat "$opened")"
e2e_ok "the title label opens the website"

# Right click: the menu, its top-right corner 5 pixels above and left of the pointer.
click_icon 3
find_menu || e2e_fail "a right click did not open the menu"
import -window root -crop "$((MENU_W + 40))x$((MENU_H + 60))+$((MENU_X - 20))+$((MENU_Y - 20))" \
    +repage "$ARTIFACTS/tray_menu.png"
((MENU_X + MENU_W <= ICON_X - 5 + 1 && MENU_Y <= ICON_Y)) ||
    e2e_fail "menu at $MENU_X,$MENU_Y ${MENU_W}x$MENU_H for a click at $ICON_X,$ICON_Y"
e2e_ok "a right click opens the menu"
# Its first item, "Tamsel网", opens the website.
xdotool mousemove $((MENU_X + MENU_W / 2)) $((MENU_Y + 12)) click 1
opened_reaches 2 || e2e_fail "Tamsel网 opened the website $(($(opened_count) - 1)) times"
e2e_ok "Tamsel网 opens the website"

# The notification area restarts: the icon docks again, and still brings the window back.
click_icon 1
reaches_state IsUnMapped || e2e_fail "the window did not hide"
kill "$TRAY_HOST_PID"
wait "$TRAY_HOST_PID" 2>/dev/null || true
sleep 0.5
start_tray_host
find_icon || e2e_fail "the icon did not dock again after the notification area restarted"
click_icon 1
reaches_state IsViewable || e2e_fail "the window did not come back through the new icon"
e2e_ok "the icon returns with the notification area"

[[ $(opened_count) == 2 ]] || e2e_fail "the website was opened $(opened_count) times for two asks"

# "退出" while hidden ends the program with code 0. The last item: Up from none selects it.
click_icon 1
reaches_state IsUnMapped || e2e_fail "the window did not hide"
click_icon 3
find_menu || e2e_fail "the menu did not open"
xdotool key Up Return
e2e_wait_exit
[[ $EXIT_CODE == 0 ]] || e2e_fail "exit code $EXIT_CODE"
e2e_ok "退出 ends the program with code 0"

# Without any notification area, 最小化 must not strand the window: it is minimised (iconic, so
# the desktop's taskbar or window list brings it back) instead of hidden.
kill "$TRAY_HOST_PID"
wait "$TRAY_HOST_PID" 2>/dev/null || true
sleep 0.3
e2e_start_program
e2e_geometry
xdotool mousemove $((X + 206)) $((Y + 17)) click 1 # 最小化
sleep 0.5
xprop -id "$WINDOW" WM_STATE | grep -q 'Iconic' ||
    e2e_fail "without a notification area 最小化 left the window $(xprop -id "$WINDOW" WM_STATE)"
xdotool windowactivate --sync "$WINDOW" >/dev/null 2>&1 || true
sleep 0.3
reaches_state IsViewable || e2e_fail "the minimised window could not be brought back"
e2e_ok "without a notification area 最小化 minimises"
xdotool key Escape
e2e_wait_exit
[[ $EXIT_CODE == 0 ]] || e2e_fail "exit code $EXIT_CODE"
