#!/bin/sh
# The built dialog program on a real X server, driven by key presses: convert a
# pinout file typed into the field, close the outcome box, leave with Escape.
# Usage: dialog-under-x.sh PROGRAM PINOUT EXPECTED_CSV
set -eu
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
pinout_fixture=$2
expected_csv=$3

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/app.log" ] && sed 's/^/  kelvane: /' "$work/app.log" >&2
    exit 1
}
# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_until() {
    tries=$1
    shift
    while ! "$@" 2>/dev/null; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}
window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
# There is no window manager to hand the focus around, so give it as one would.
focus() {
    timeout 10 xdotool windowfocus --sync "$1" || fail "could not focus window $1"
}

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
wait_until 200 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY
mkdir -m 700 "$work/runtime" "$work/files"
export XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
pinout="$work/files/pins.txt"
cp "$pinout_fixture" "$pinout"

(cd "$work/files" && exec "$program") >"$work/app.log" 2>&1 &
app=$!

dialog=$(window_named '^Kelvane  ver0\.01$')
[ -n "$dialog" ] || fail "the dialog did not appear"
focus "$dialog"
# The focus starts on Exit; the field is next in tab order.
xdotool key Tab
xdotool type --delay 5 "$pinout"
xdotool key Return

box=$(window_named '^Kelvane Ver0\.01$')
[ -n "$box" ] || fail "no outcome message box"
cmp -s "$pinout.csv" "$expected_csv" || fail "the CSV written differs from the expected one"
focus "$box"
xdotool key Return
wait_until 100 sh -c '! xdotool search --onlyvisible --name "^Kelvane Ver0\.01$" >/dev/null' \
    || fail "the message box did not close"
kill -0 "$app" 2>/dev/null || fail "the program ended with the message box"

focus "$dialog"
xdotool key Escape
wait_until 100 sh -c "! kill -0 $app" || fail "Escape did not end the program"
status=0
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

written=$(cd "$work/files" && ls -A | tr '\n' ' ')
[ "$written" = "pins.txt pins.txt.csv " ] || fail "files in the folder afterwards: $written"
echo "PASS"
