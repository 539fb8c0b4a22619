#!/usr/bin/env bash
# Drives the built app in a real X server as a person would: keys typed with
# xdotool, the clipboard read back and compared byte for byte.
#
#   real-window-test.sh [OPTIONS] [--] APP [ARG...]
#     --read-clipboard CMD  prints the clipboard (default: xclip -o -selection clipboard)
#     --class CLASS         the window's WM_CLASS as xprop shows it
#                           (default: "morvelin", "morvelin")
#     --close CMD           closes the focused window as its close button does
#                           (default: xdotool key alt+F4, as on Windows)
#     --icon-size N         an N x N window icon must be set (default: 48)
#     --message-copy        Ctrl+C in a message box copies its text (Windows does),
#                           so the messages' texts are checked too
#     --screenshot FILE     a PNG of the window after the draw 1 2 3 (scripts/pictures
#                           copies it into docs/)
#     --timeout S           how long the window may take to appear (default: 10)
#     --message-width N     the least width of a message box (default: 240)
#     --no-size-hints       the toolkit sets no X size hints (Wine keeps sizes itself)
#     --dpi N               the screen's density (Wine's LogPixels): the window must be
#                           within 2 px of N/96 times 369 x 340, the icon N/96 times
#                           its size
#     --menu-word WORD      a right click on a result box opens a menu that shows
#                           WORD (read with OCR)
#     --box-command CMD     CMD ARG starts the app where it shows its command line's
#                           answers in a message box (Windows without a console)
#     --ground R,G,B        the colour the window and its message boxes are painted in
#                           (read 4 px in from their bottom left corner)
#
# Xvfb has no window manager, so nothing gives a window the keyboard focus:
# the test does the window manager's part with `xdotool windowfocus`.
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"

read_clipboard="xclip -o -selection clipboard"
class='"morvelin", "morvelin"'
close="xdotool key alt+F4"
icon_size=48
message_copy=false
screenshot=
timeout=10
message_width=240
size_hints=true
scale=1
menu_word=
box_command=
ground=
while [ $# -gt 0 ]; do
    case $1 in
    --read-clipboard) read_clipboard=$2; shift 2 ;;
    --class) class=$2; shift 2 ;;
    --close) close=$2; shift 2 ;;
    --icon-size) icon_size=$2; shift 2 ;;
    --message-copy) message_copy=true; shift ;;
    --screenshot) screenshot=$2; shift 2 ;;
    --timeout) timeout=$2; shift 2 ;;
    --message-width) message_width=$2; shift 2 ;;
    --no-size-hints) size_hints=false; shift ;;
    --dpi) scale=$(awk -v dpi="$2" 'BEGIN { print dpi / 96 }'); shift 2 ;;
    --menu-word) menu_word=$2; shift 2 ;;
    --box-command) box_command=$2; shift 2 ;;
    --ground) ground=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [OPTIONS] [--] APP [ARG...]" >&2; exit 2; }
scaled() { awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d", n * s }'; }
icon_size=$(scaled "$icon_size")
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

passed=0
fail() { echo "real-window-test: FAIL: $*"; exit 1; }
pass() { echo "real-window-test: ok: $*"; passed=$((passed + 1)); }

start_xvfb "$work" || fail "Xvfb did not start"
pids+=("$xvfb_pid")
export LC_ALL=C.UTF-8

visible_windows() { xdotool search --onlyvisible --name '^Morvelin$' 2>/dev/null || true; }

# Prints the id of a mapped window named Morvelin other than $1.
new_window() {
    local id
    for id in $(visible_windows); do
        [ "$id" != "$1" ] && { echo "$id"; return 0; }
    done
    return 1
}
wait_window() { within "$timeout" new_window "${1:-none}"; }

gone() {
    local shown
    shown=$(visible_windows)
    [[ $'\n'$shown$'\n' != *$'\n'$1$'\n'* ]]
}

# X delivers focus changes and keys in order, so keys sent after this reach
# the window that has just been focused.
focus() {
    xdotool windowfocus --sync "$1"
    xdotool mousemove 790 590 # the pointer off the window
}

has_icon() { # [WINDOW]
    local icon
    icon=$(xprop -id "${1:-$main}" _NET_WM_ICON 2>/dev/null) || return 1
    [[ $icon == *"Icon ($icon_size x $icon_size)"* ]]
}

# The colour of WINDOW's pixel 4,4 from its bottom left corner (a Windows
# message box is white above its buttons' row): R,G,B.
pixel() {
    import -window "$1" -gravity SouthWest -crop 1x1+4+4 -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
has_ground() { [ -z "$ground" ] || [ "$(pixel "$1")" = "$ground" ]; }
# The 计算 button is drawn: left of its caption, its frame or face stands out
# from the ground by more than 4 levels (the Windows 11 style's are subtle).
button_drawn() {
    [ -z "$ground" ] || import -window "$main" -crop "$(scaled 30)x1+$(scaled 50)+$(scaled 96)" -depth 8 txt:- |
        awk -F'[ ,:()]+' -v g="${ground%%,*}" 'NR > 1 { d = $3 - g; if (d * d > 16) seen = 1 } END { exit !seen }'
}

# Reads the clipboard into $work/clipboard.
read_clipboard() { $read_clipboard >"$work/clipboard" 2>/dev/null || true; }
clipboard_is() { read_clipboard && cmp -s "$work/clipboard" "$1"; }
clipboard_holds() { read_clipboard && grep -qF "$1" "$work/clipboard"; }
expect_clipboard() { # FILE WHAT
    if ! within 10 clipboard_is "$1"; then
        echo "clipboard:"; od -c "$work/clipboard" | head; echo "expected:"; od -c "$1" | head
        fail "$2"
    fi
}

# Answers the message box that the last key opened: checks its text where the
# platform can copy it, then closes it with Enter.
answer_message() { # TEXT [THE WINDOW TO FOCUS AFTER]
    local box
    box=$(wait_window "$main") || fail "no message box for: $1"
    message_box_is_fixed "$box"
    has_ground "$box" || fail "the message box for $1 is painted $(pixel "$box"), not $ground"
    focus "$box"
    if $message_copy; then
        xdotool key ctrl+c
        within 10 clipboard_holds "$1" || { cat "$work/clipboard"; fail "the message box does not say $1"; }
    fi
    xdotool key Return
    within 10 gone "$box" || fail "Enter did not close the message box"
    [ "${2:-$main}" = none ] || focus "${2:-$main}"
}
# The box is wide enough for its caption on a title bar and tells the window
# manager it has no minimise or maximise function; where the toolkit sets X
# size hints, they fix its size.
message_box_is_fixed() {
    local hints min max motif functions WIDTH=0 HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$WIDTH" -ge "$message_width" ] || fail "the message box is $WIDTH px wide, under $message_width"
    hints=$(xprop -id "$1" WM_NORMAL_HINTS _MOTIF_WM_HINTS)
    motif=$(sed -n 's/^_MOTIF_WM_HINTS.* = //p' <<<"$hints")
    functions=$(cut -d, -f2 <<<"$motif")
    (((functions & 0x19) == 0)) || fail "the message box offers minimise or maximise: $motif"
    if $size_hints; then
        min=$(sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p' <<<"$hints")
        max=$(sed -n 's/.*maximum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p' <<<"$hints")
        [ -n "$min" ] && [ "$min" = "$max" ] || fail "the message box is not of fixed size: $hints"
    fi
}

"$@" 2>"$work/app.log" &
app_pid=$!
pids+=("$app_pid")
main=$(wait_window) || { cat "$work/app.log"; fail "the window never appeared"; }
focus "$main"

wm_class=$(xprop -id "$main" WM_CLASS)
[ "$wm_class" = "WM_CLASS(STRING) = $class" ] || fail "$wm_class, not $class"
within 10 has_icon || fail "no $icon_size x $icon_size window icon"
eval "$(xdotool getwindowgeometry --shell "$main")"
awk -v w="$WIDTH" -v h="$HEIGHT" -v s="$scale" \
    'BEGIN { d = w - 369 * s; e = h - 340 * s; exit !(d * d <= 4 && e * e <= 4) }' ||
    fail "the window is ${WIDTH}x$HEIGHT at scale $scale"
within 10 has_ground "$main" || fail "the window is painted $(pixel "$main"), not $ground"
button_drawn || fail "the 计算 button does not stand out from the ground"
pass "window mapped with its class, icon and size"

# Calculate with empty boxes: Tab from Text1 reaches Calculate third; closing
# the message puts the focus back in Text1.
printf 'held before' | xclip -selection clipboard -i
xdotool key --delay 80 Tab Tab Tab Return
answer_message "请输入开奖号码"
pass "missing input: the message box, closed with Enter"

# A letter: the type mismatch, and no result box is written. The focus is back
# in the first box, from where two Shift+Tabs reach Copy, which then puts the
# empty two-line text on the clipboard.
xdotool type --delay 120 a23
xdotool key Return
answer_message "类型不匹配：输入的不是数字"
xdotool key --delay 80 shift+Tab shift+Tab Return
: >"$work/empty"
expect_clipboard "$work/empty" "a letter in the draw wrote the two-line text"
pass "a letter: the type mismatch, and nothing written"

# Back to Clear (Shift+Tab four times from Copy), then 1 2 b: after the
# message the focus is in the third box with the b selected, so 3 replaces it,
# Enter on Calculate and Enter on Copy.
xdotool key --delay 80 shift+Tab shift+Tab shift+Tab shift+Tab Return
xdotool type --delay 120 12b
xdotool key Return
answer_message "类型不匹配：输入的不是数字"
xdotool type --delay 120 3
xdotool key --delay 120 Return Return
printf '4590182.3\r\n4590736.3' >"$work/expected"
expect_clipboard "$work/expected" "the clipboard does not hold the combined text"
pass "Clear, 1 2 b, then 3 over the b and Enter Enter put the combined text on the clipboard byte for byte"

if [ -n "$screenshot" ]; then
    command -v import >/dev/null || fail "import (ImageMagick) is missing for the screenshot"
    # Without dates, so an unchanged window gives the same file.
    import -window "$main" +set date:create +set date:modify \
        -define png:exclude-chunks=date,time "$screenshot"
fi

# The rows a person meets most, each ending in Calculate and Copy: a click
# into the filled first box selects its digit, so 7 8 9 replace the draw; a
# draw copied with its label and pasted with Ctrl+V; a letter with a million
# combining marks pasted into the two-line box, after which the window still
# answers at once.
marks=$(head -c $((1 << 20)) /dev/zero | tr '\0' '\1' | sed 's/\x01/\xcc\x81/g')
for row in "|text1 789|3456091.3\r\n3456827.3" "开奖号码：5 8 2|text1 ctrl+v|3690182.3\r\n3690745.3" \
    "a$marks|text6 ctrl+v text1 123|4590182.3\r\n4590736.3"; do
    IFS='|' read -r pasted keys expected <<<"$row"
    [ -z "$pasted" ] || printf '%s' "$pasted" | xclip -selection clipboard -i
    for key in $keys; do
        case $key in
        text1) xdotool mousemove --window "$main" "$(scaled 208)" "$(scaled 40)" click 1 ;;
        text6) xdotool mousemove --window "$main" "$(scaled 232)" "$(scaled 296)" click 1 ;;
        ctrl+v) xdotool key ctrl+v ;;
        *) xdotool type --delay 120 "$key" ;;
        esac
    done
    xdotool key --delay 120 Return Return
    printf "$expected" >"$work/expected"
    expect_clipboard "$work/expected" "after pasting \"${pasted:0:8}\", then $keys"
done
pass "a click into a filled box, a labelled draw pasted, a pasted run of marks"

# Qt's own texts, such as a text box's menu, in Chinese: a right click on the
# first set's box, the menu read off the screen inside its frame (tesseract 5.5
# reads no word of a crop that holds the Windows 11 style's rounded frame).
menu_shows_word() {
    import -window root -crop "$(scaled 140)x$(scaled 170)+$(($1 + $(scaled 8)))+$(($2 + $(scaled 8)))" -resize 300% \
        -colorspace gray "$work/menu.png"
    tesseract "$work/menu.png" "$work/menu" -l chi_sim --psm 6 >/dev/null 2>&1 &&
        grep -qF "$menu_word" "$work/menu.txt"
}
if [ -n "$menu_word" ]; then
    eval "$(xdotool getwindowgeometry --shell "$main")"
    at_x=$((X + $(scaled 200))) at_y=$((Y + $(scaled 140)))
    xdotool mousemove "$at_x" "$at_y" click 3
    within 10 menu_shows_word "$at_x" "$at_y" || { cat "$work/menu.txt"; fail "the menu does not show $menu_word"; }
    xdotool key Escape
    focus "$main"
    pass "a text box's menu is in Chinese"
fi

# Closed as a person closes it, once, the app ends cleanly (the close goes to
# the focused window).
kill -0 "$app_pid" 2>/dev/null || fail "the app died"
focus "$main"
$close
wait_for_exit 10 "$app_pid" || fail "the app still runs after its window was closed"
[ "$exit_status" = 0 ] || { cat "$work/app.log"; fail "the app ended with status $exit_status"; }
pass "closing the window ends the app with status 0"

# The command line's answers in the app's own message box, with its icon, and
# a failed start in Qt's own system message box (no icon, and its text cannot
# be copied); the exit status as on a terminal.
# The help reads as on a terminal, line for line: 11 lines of ink (5 px high or
# more) above the row of buttons, not one paragraph.
help_lines() {
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$box")"
    import -window "$box" -crop "${WIDTH}x$((HEIGHT - 45))+0+0" -depth 8 txt:- | awk -F'[ ,:()]+' '
        NR > 1 && $3 + $4 + $5 < 384 { ink[$2] = 1 }
        END { for (y in ink) if (!(y - 1 in ink)) { h = 0; while (y + h in ink) h++; n += h >= 5 }
              print n }' >"$work/lines"
    [ "$(cat "$work/lines")" = 11 ]
}
if [ -n "$box_command" ]; then
    for row in "--version|0|morvelin" "--bogus|2|未知选项“--bogus”。请看 morvelin --help。Unknown option '--bogus'." \
        "--help|0|用法：morvelin [选项]" "-platform bogus|1|no Qt platform plugin could be initialized"; do
        IFS='|' read -r argument status text <<<"$row"
        # shellcheck disable=SC2086 # the arguments are split on purpose
        $box_command $argument 2>>"$work/app.log" &
        pid=$!
        pids+=("$pid")
        box=$(wait_window "$main") || fail "no message box for $argument"
        [ "$argument" != --help ] || within 10 help_lines || fail "the help shows $(cat "$work/lines") lines"
        if [ "$status" = 1 ]; then
            message_copy=false answer_message "$text" none
        else
            within 10 has_icon "$box" || fail "the box for $argument has no window icon"
            answer_message "$text" none
        fi
        wait_for_exit 10 "$pid" && [ "$exit_status" = "$status" ] ||
            fail "$argument ended with status ${exit_status:-none}, not $status"
    done
    pass "--version, --bogus, --help and a failed start answer in message boxes"
fi
echo "real-window-test: $passed passed, 0 failed"
