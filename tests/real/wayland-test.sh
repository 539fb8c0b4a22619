#!/usr/bin/env bash
# Morvelin on a Wayland desktop: a headless sway, no X server. Each round
# starts the app as a Wayland session starts it, sees its window come as a
# native Wayland window with its app id, clicks into a draw box, closes the
# window from the compositor (xdg_toplevel.close, what a title bar's close
# button sends) and waits for the process to end. Fails on any process left.
#
#   wayland-test.sh ROUNDS MORVELIN
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
rounds=$1 app=$2 id=org.morvelin.morvelin work=$(mktemp -d)
trap 'kill "${sway_pid:-}" 2>/dev/null; rm -rf "$work"' EXIT

# sway refuses to run as root: as root, the compositor and the app run as
# nobody, with a copy of the app (the build may be in a folder nobody cannot
# enter).
as=()
if [ "$(id -u)" -eq 0 ]; then
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    cp "$app" "$work/morvelin"
    app=$work/morvelin
fi
mkdir -m 700 "$work/run"
echo 'output HEADLESS-1 resolution 1024x768' >"$work/sway.conf"
[ ${#as[@]} -eq 0 ] || chown -R nobody:nogroup "$work"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_SESSION_TYPE=wayland
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as[@]}" sway -c "$work/sway.conf" \
    >"$work/sway.log" 2>&1 &
sway_pid=$!
sockets() { compgen -G "$work/run/sway-ipc.*.sock" && compgen -G "$work/run/wayland-[0-9]"; }
within 10 sockets >/dev/null || { cat "$work/sway.log"; echo "FAIL: sway did not start"; exit 1; }
SWAYSOCK=$(compgen -G "$work/run/sway-ipc.*.sock")
WAYLAND_DISPLAY=$(basename "$(compgen -G "$work/run/wayland-[0-9]")")
export SWAYSOCK WAYLAND_DISPLAY
swaycmd() { "${as[@]}" swaymsg -q "$@"; }

# Prints "x y shell" of the app's window; fails while there is none.
window() {
    "${as[@]}" swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") == sys.argv[1]:
        print(node["rect"]["x"], node["rect"]["y"], node.get("shell"))
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)' "$id"
}

left=0
for round in $(seq "$rounds"); do
    "${as[@]}" "$app" >"$work/app.log" 2>&1 &
    pid=$!
    if ! within 10 window >"$work/window"; then
        cat "$work/app.log"
        echo "FAIL: round $round: no window with the app id $id"
        exit 1
    fi
    read -r x y shell <"$work/window"
    [ "$shell" = xdg_shell ] || { echo "FAIL: the window came through $shell, not as a Wayland window"; exit 1; }
    # The second draw box: the click gives it the focus and selects its text.
    swaycmd seat - cursor set $((x + 248)) $((y + 40)), seat - cursor press button1, seat - cursor release button1
    swaycmd "[app_id=\"$id\"]" kill
    if ! wait_for_exit 5 "$pid"; then
        left=$((left + 1))
        echo "round $round: the window closed, the process is still running"
        kill -9 "$pid"
        wait "$pid" || true
    elif [ "$exit_status" -ne 0 ]; then
        cat "$work/app.log"
        echo "FAIL: round $round: exit status $exit_status"
        exit 1
    fi
done
echo "wayland: $((rounds - left)) of $rounds closed windows ended their process"
[ "$left" -eq 0 ]
