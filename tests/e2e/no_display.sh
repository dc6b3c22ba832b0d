#!/usr/bin/env bash
# Without a reachable display the program reports it and exits with -1 (255), never aborts:
# no display named at all, and a display named whose server does not answer.
set -u
program=$1
failures=0
check() { # description, env assignments...
    local description=$1
    shift
    local output status
    output=$(env -i PATH="$PATH" HOME="${HOME:-/tmp}" "$@" "$program" 2>&1)
    status=$?
    if [[ $status -ne 255 ]]; then
        echo "FAIL $description: exit code $status (want 255)"
        failures=$((failures + 1))
    elif [[ $output != *"calculator:"* ]]; then
        echo "FAIL $description: no message on the terminal: $output"
        failures=$((failures + 1))
    else
        echo "ok   $description"
    fi
}
check "no display named"
check "X display that does not answer" DISPLAY=:987
check "X platform chosen, display that does not answer" QT_QPA_PLATFORM=xcb DISPLAY=:987
exit $((failures > 0))
