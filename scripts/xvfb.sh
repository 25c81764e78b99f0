# A private Xvfb for the scripts and the end-to-end tests; sourced. start_xvfb_server starts one
# on a display that Xvfb itself finds free and exports DISPLAY; stop_xvfb_server, from the
# caller's EXIT trap, ends it.
xvfb_pid=""

start_xvfb_server() {
    local number
    number=$(mktemp)
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY # a Wayland session of the caller must not take part
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.05; done
    DISPLAY=":$(head -n 1 "$number")"
    rm -f "$number"
    export DISPLAY
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start" >&2
    return 1
}

stop_xvfb_server() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
    return 0
}
