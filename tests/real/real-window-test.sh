#!/usr/bin/env bash
# Drives the built app in a real X server as a person would: keys typed with
# xdotool, the clipboard read back with xclip and compared byte for byte.
#
#   real-window-test.sh APP [SCREENSHOT.png]
#
# Xvfb has no window manager, so nothing gives a window the keyboard focus:
# the test does the window manager's part with `xdotool windowfocus`.
set -euo pipefail

app=$1
screenshot=${2:-}
for tool in Xvfb xdotool xclip xprop; do
    command -v "$tool" >/dev/null || { echo "real-window-test: $tool is missing"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "real-window-test: FAIL: line $LINENO: $BASH_COMMAND"' ERR

# -noreset: by default Xvfb restarts whenever its last client leaves.
Xvfb -displayfd 3 -screen 0 800x600x24 -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "real-window-test: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(cat "$work/display")
export LC_ALL=C.UTF-8

fail() { echo "real-window-test: FAIL: $*"; exit 1; }
pass() { echo "real-window-test: ok: $*"; }

# Waits until a window named Morvelin other than $1 is mapped; prints its id.
wait_window() {
    local other=${1:-none} id
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name '^Morvelin$' 2>/dev/null); do
            [ "$id" != "$other" ] && { echo "$id"; return 0; }
        done
        sleep 0.05
    done
    return 1
}

focus() {
    xdotool windowfocus --sync "$1"
    xdotool mousemove 790 590 # the pointer off the window
    sleep 0.2
}

"$app" 2>"$work/app.log" &
app_pid=$!
pids+=("$app_pid")
main=$(wait_window) || fail "the window never appeared"
focus "$main"

wm_class=$(xprop -id "$main" WM_CLASS)
[[ $wm_class == *'"morvelin"'* ]] || fail "WM_CLASS is $wm_class"
for _ in $(seq 50); do
    xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (48 x 48)' && break
    sleep 0.1
done
xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (48 x 48)' || fail "no 48 x 48 window icon"
pass "window mapped with its class and icon"

# Calculate with empty boxes: Tab from Text1 reaches Calculate third.
xdotool key --delay 80 Tab Tab Tab Return
box=$(wait_window "$main") || fail "no message box for missing input"
focus "$box"
xdotool key Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Morvelin$' | grep -qx "$box" || break
    sleep 0.05
done
pass "missing input opened a message box that Enter closed"

# The draw 1, 2, 3, then Enter on Calculate and Enter on Copy.
focus "$main"
printf 'held before' | xclip -selection clipboard -i
# X delivers the keys in order, so each one reaches the control the one
# before it moved the focus to.
xdotool type --delay 120 123
xdotool key --delay 120 Return Return
printf '4590182.3\r\n4590736.3' >"$work/expected"
for _ in $(seq 100); do
    xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null || true
    cmp -s "$work/clipboard" "$work/expected" && break
    sleep 0.1
done
if ! cmp -s "$work/clipboard" "$work/expected"; then
    echo "clipboard:"; od -c "$work/clipboard" | head
    fail "the clipboard does not hold the combined text"
fi
pass "Enter, Enter put the combined text on the clipboard byte for byte"

[ -n "$screenshot" ] && command -v import >/dev/null && import -window "$main" "$screenshot"

kill -0 "$app_pid" 2>/dev/null || fail "the app died"
xdotool windowclose "$main" 2>/dev/null || kill "$app_pid"
echo "real-window-test: 3 passed, 0 failed"
