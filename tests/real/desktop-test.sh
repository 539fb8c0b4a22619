#!/usr/bin/env bash
# The built app on a real dark desktop, used with the mouse: Qt's gtk3
# platform theme with Adwaita's dark variant, as on GNOME, in a real X server
# with a window manager (openbox). The window is light and its 四胆码 caption
# stands at 3:1 or more, read off a screenshot; a click into a draw box
# holding the last draw's digit, then 7 8 9, calculates the draw 7 8 9; so
# does the click that comes back from another window into the box that had
# the focus; "4 5 6" selected elsewhere and pasted with the middle button
# after a click into a box fills the three boxes, and so does "7 8 9" with
# Ctrl+Shift+Insert; a draw copied with its label is pasted as the draw. A
# Chinese input method is on throughout (fcitx5 with pinyin, as on most
# Chinese desktops): digits go through it uncomposed, and w u Space over a
# selected digit composes and commits a character in that box before the
# focus moves on. A drag into a box selects what it covers, for a middle click
# elsewhere.
#
#   desktop-test.sh APP [ARG...]     (on a D-Bus session of its own)
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() { echo "desktop-test: FAIL: $*"; exit 1; }
start_xvfb "$work" || fail "Xvfb did not start"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
within 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null || fail "openbox did not start"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_IM_MODULE=fcitx
mkdir -p "$XDG_CONFIG_HOME/fcitx5"
printf '[Behavior]\nActiveByDefault=True\n' >"$XDG_CONFIG_HOME/fcitx5/config"
printf '%s\n' '[Groups/0]' Name=Default 'Default Layout=us' DefaultIM=pinyin '[Groups/0/Items/0]' \
    Name=keyboard-us '[Groups/0/Items/1]' Name=pinyin '[GroupOrder]' 0=Default >"$XDG_CONFIG_HOME/fcitx5/profile"
fcitx5 >"$work/fcitx5.log" 2>&1 &
fcitx5_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 >"$work/owner" 2>/dev/null &&
        [[ $(cat "$work/owner") == *true* ]]
}
within 10 fcitx5_up || { cat "$work/fcitx5.log"; fail "fcitx5 did not start"; }

# The ground's luminance (WCAG 2) at the window's pixel 4,4 must be over 0.5,
# and the caption's most distinct pixel (Label4 is 81 x 25 px at 80,232)
# stand at 3:1 or more against it.
light() {
    import -window "$main" -depth 8 txt:- 2>/dev/null | awk -F'[ ,:()]+' '
        function lum(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        NR > 1 { l = 0.2126 * lum($3) + 0.7152 * lum($4) + 0.0722 * lum($5) }
        $1 == 4 && $2 == 4 { g = l }
        $1 >= 80 && $1 < 161 && $2 >= 232 && $2 < 257 {
            c = l > g ? (l + 0.05) / (g + 0.05) : (g + 0.05) / (l + 0.05); if (c > r) r = c }
        END { printf "ground %.2f, caption %.2f:1\n", g, r; exit !(g > 0.5 && r >= 3) }' >"$work/read"
}
clipboard_is() { xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null && [ "$(od -c "$work/clipboard")" = "$(printf "$1" | od -c)" ]; }

"$@" 2>"$work/app.log" &
main=$(within 10 xdotool search --onlyvisible --name '^Morvelin$') || { cat "$work/app.log"; fail "no window"; }
xdotool windowfocus --sync "$main"
within 10 light || fail "the window is not light on a dark desktop: $(cat "$work/read")"
echo "desktop-test: ok: the window is light on a dark desktop: $(cat "$work/read")"

xdotool type --delay 120 123
xdotool key Return mousemove --window "$main" 208 40 click 1 # the middle of Text1
xdotool type --delay 120 789
xdotool key --delay 120 Return Return
within 10 clipboard_is '3456091.3\r\n3456827.3' || fail "a click, then 7 8 9: $(od -c "$work/clipboard")"
echo "desktop-test: ok: a click into the first box, then 7 8 9, calculated the draw 7 8 9"

# Text1 then 1, which moves the focus to Text2 and selects its 8; another
# window is looked at; the click back into Text2 selects the 8 again, so 2 3
# replace the old digits.
xdotool mousemove --window "$main" 208 40 click 1 type 1
xmessage -geometry +420+300 elsewhere 2>/dev/null &
other=$(within 10 xdotool search --onlyvisible --name '^xmessage$') || fail "no other window"
xdotool windowactivate --sync "$other"
# A person stays there a second or so: Qt takes the focus leaving its window for a
# deactivation only after 100 ms without it coming back. The app's answer to a
# clipboard request (it owns the clipboard since Copy) shows that its event
# loop ran after that.
away=$SECONDS
saw_it_go() { [ $((SECONDS - away)) -ge 2 ] && xclip -o -selection clipboard >/dev/null 2>&1; }
within 10 saw_it_go || fail "the app did not answer while another window was active"
within 10 light || fail "the window is not light while another window is active: $(cat "$work/read")"
xdotool mousemove --window "$main" 248 40 click 1 # the middle of Text2
xdotool type --delay 120 23
xdotool key --delay 120 Return Return
within 10 clipboard_is '4590182.3\r\n4590736.3' || fail "back from another window: $(od -c "$work/clipboard")"
echo "desktop-test: ok: back from another window, a click into the focused box and 2 3 calculated 1 2 3"

# A click selects Text1's digit without taking the X selection: the middle
# click then pastes what was selected elsewhere.
printf '4 5 6' | xclip -selection primary -i 2>/dev/null
xdotool mousemove --window "$main" 208 40 click 1 click 2 key --delay 120 Return Return
within 10 clipboard_is '3645091.3\r\n3645827.3' || fail "4 5 6 pasted: $(od -c "$work/clipboard")"
echo "desktop-test: ok: 4 5 6 pasted with the middle button after a click filled the three boxes"

printf '开奖号码：5 8 2' | xclip -selection clipboard -i 2>/dev/null
xdotool mousemove --window "$main" 208 40 click 1 key --delay 120 ctrl+v Return Return
within 10 clipboard_is '3690182.3\r\n3690745.3' || fail "开奖号码：5 8 2 pasted: $(od -c "$work/clipboard")"
echo "desktop-test: ok: a draw copied with its label was pasted as the draw"

# Ctrl+Shift+Insert pastes the X selection, as in any text box on X11.
printf '7 8 9' | xclip -selection primary -i 2>/dev/null
xdotool mousemove --window "$main" 208 40 click 1 key --delay 120 ctrl+shift+Insert Return Return
within 10 clipboard_is '3456091.3\r\n3456827.3' || fail "Ctrl+Shift+Insert: $(od -c "$work/clipboard")"
echo "desktop-test: ok: Ctrl+Shift+Insert pasted 7 8 9 from the X selection"

# Pinyin over Text1's selected 5: w u compose in Text1 and Space commits the
# first candidate there; the focus then moves on, so 3 4 fill Text2 and Text3.
# Shift+Tab from Calculate back to Text1 selects what it holds, to be copied.
xdotool mousemove --window "$main" 208 40 click 1 type --delay 120 wu
xdotool key --delay 120 space 3 4 shift+Tab shift+Tab shift+Tab ctrl+c
# One character of three bytes in UTF-8: a Chinese character, not a letter.
one_hanzi() { xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null && [[ $(cat "$work/clipboard") =~ ^.$ ]] &&
    [ "$(wc -c <"$work/clipboard")" -eq 3 ]; }
within 10 one_hanzi || fail "pinyin w u Space over Text1's digit left in it: $(od -c "$work/clipboard")"
echo "desktop-test: ok: pinyin composed over the first box's digit committed $(cat "$work/clipboard") there"

# A drag that brings the focus into Text2 keeps its own selection, which goes
# to the X selection as in any text box.
printf elsewhere | xclip -selection primary -i 2>/dev/null
xdotool mousemove --window "$main" 233 40 mousedown 1 mousemove --window "$main" 262 40 mouseup 1
primary_is_3() { xclip -o -selection primary >"$work/primary" 2>/dev/null && [ "$(cat "$work/primary")" = 3 ]; }
within 10 primary_is_3 || fail "a drag over Text2's 3 left the X selection $(od -c "$work/primary")"
echo "desktop-test: ok: a drag into the second box selected its 3 for a middle click elsewhere"
