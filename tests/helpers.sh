# Sourced by the shell tests and benchmarks: waiting for a condition, a
# private X server, and the exit status of a program started in the background.

# Polls until the command succeeds, for at most $1 seconds.
within() {
    local end=$((SECONDS + $1 + 1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# Starts Xvfb on a free display and exports DISPLAY; its process id is then in
# $xvfb_pid. $1: a folder for its files; $2: the screen (default 800x600x24).
# -noreset: by default Xvfb restarts whenever its last client leaves.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${2:-800x600x24}" -noreset -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    within 5 test -s "$1/display" || { cat "$1/xvfb.log" >&2; return 1; }
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
}

# Waits at most $1 seconds for the background process $2 to end; its exit
# status is then in $exit_status. Fails while it still runs.
wait_for_exit() {
    local pid=$2
    within "$1" eval "! kill -0 $pid 2>/dev/null" || return 1
    exit_status=0
    wait "$pid" || exit_status=$?
}
