#!/usr/bin/env bash
# The command line of the built app, row by row: arguments, expected exit
# status, and a text the output must hold (stdout for status 0, else stderr,
# where a refusal is one line). Status "runs": the app starts and keeps
# running; the text must reach stderr while it does (Qt's messages held back
# during start-up are passed on).
#
#   command-line-test.sh APP VERSION
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
app=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

rows=(
    "--help|0|用法：morvelin [选项]"
    "-h|0|  -v, --version   显示版本。"
    "--help-all|0|Usage:"
    "--version|0|morvelin $version"
    "-platform offscreen -style fusion --version|0|morvelin $version"
    "--bogus|2|morvelin: 未知选项“--bogus”。请看 morvelin --help。Unknown option '--bogus'."
    "-bogus=1 --version|2|morvelin: 未知选项“-bogus”。请看 morvelin --help。Unknown option '-bogus'."
    "xbogus bogus -x --bogus|2|未知选项：-x, --bogus。请看 morvelin --help。Unknown options: -x, --bogus."
    "---bogus|2|未知选项“---bogus”。"
    "-=|2|未知选项“-”。"
    "stray|2|多余的参数“stray”。请看 morvelin --help。Unexpected argument 'stray'."
    "-platform|2|“-platform”之后缺少值。请看 morvelin --help。Missing value after '-platform'."
    "|1|could not connect to display"
    "-platform bogus|1|Could not find the Qt platform plugin \"bogus\""
    "-platform offscreen -style bogus|runs|invalid style override 'bogus'"
)
failed=0
holds() { grep -qF -- "$1" "$2"; }
for row in "${rows[@]}"; do
    IFS='|' read -r args expected_status expected_text <<<"$row"
    # shellcheck disable=SC2086 # the arguments are split on purpose
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" $args >"$out/stdout" 2>"$out/stderr" </dev/null &
    pid=$!
    stream=$out/stdout
    [ "$expected_status" = 0 ] || stream=$out/stderr
    problem=
    if [ "$expected_status" = runs ]; then
        within 30 holds "$expected_text" "$stream" || problem="no '$expected_text' on stderr"
        kill -0 "$pid" 2>/dev/null || problem="it did not keep running"
        kill "$pid" 2>/dev/null || true
        wait "$pid" || true
    elif ! wait_for_exit 30 "$pid"; then
        problem="still running"
        kill "$pid"
    elif [ "$exit_status" != "$expected_status" ]; then
        problem="exit status $exit_status, not $expected_status"
    elif ! holds "$expected_text" "$stream"; then
        problem="no '$expected_text' in its output"
    elif [ "$expected_status" = 2 ] && [ "$(wc -l <"$stream")" != 1 ]; then
        problem="$(wc -l <"$stream") lines on stderr, not one"
    elif [ "$expected_status" = 1 ] && ! holds "Morvelin cannot start" "$stream"; then
        problem="no line of its own before Qt's words"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: morvelin $args: $problem"; cat "$out/stdout" "$out/stderr"
        failed=$((failed + 1))
    else
        echo "ok: morvelin $args"
    fi
done
echo "command line: $((${#rows[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
