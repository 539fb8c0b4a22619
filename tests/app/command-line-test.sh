#!/usr/bin/env bash
# The command line of the built app, row by row: arguments, expected exit
# status, and a text the output must hold (stdout for status 0, else stderr,
# where a refusal is one line).
#
#   command-line-test.sh APP VERSION
set -euo pipefail
app=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

rows=(
    "--help|0|Usage:"
    "-h|0|-v, --version"
    "--help-all|0|Usage:"
    "--version|0|morvelin $version"
    "-platform offscreen -style fusion --version|0|morvelin $version"
    "--bogus|2|Unknown option 'bogus'"
    "-x --version|2|Unknown option 'x'"
    "stray|2|unexpected argument 'stray'"
    "-platform|2|Missing value after '-platform'"
    "|1|no graphical display is available"
)
failed=0
for row in "${rows[@]}"; do
    IFS='|' read -r args expected_status expected_text <<<"$row"
    status=0
    # shellcheck disable=SC2086 # the arguments are split on purpose
    timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" $args >"$out/stdout" 2>"$out/stderr" </dev/null ||
        status=$?
    stream=$out/stdout
    [ "$expected_status" = 0 ] || stream=$out/stderr
    problem=
    if [ "$status" != "$expected_status" ]; then
        problem="exit status $status, not $expected_status"
    elif ! grep -qF -- "$expected_text" "$stream"; then
        problem="no '$expected_text' in its output"
    elif [ "$expected_status" != 0 ] && [ "$(wc -l <"$stream")" != 1 ]; then
        problem="$(wc -l <"$stream") lines on stderr, not one"
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
