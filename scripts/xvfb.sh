# A private Xvfb for the scripts and the end-to-end tests; sourced. start_xvfb_server starts one
# on a display that Xvfb itself finds free and exports DISPLAY; stop_xvfb_server, from the
# caller's EXIT trap, ends it. start_clipman DIR starts Xfce's clipboard manager on it, with a
# session bus of its own, and stop_clipman ends it.
xvfb_pid=""
clipman_pid=""

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

# Returns once the manager has taken CLIPBOARD_MANAGER.
start_clipman() {
    dbus-run-session -- sh -c 'echo $$ > "$1"; exec xfce4-clipman' sh "$1/clipman.pid" \
        >/dev/null 2>&1 &
    for _ in $(seq 100); do
        [ -n "$(xclip -o -selection CLIPBOARD_MANAGER -t TARGETS 2>/dev/null)" ] && break
        sleep 0.1
    done
    clipman_pid=$(cat "$1/clipman.pid")
}

stop_clipman() {
    [ -n "$clipman_pid" ] && kill "$clipman_pid" 2>/dev/null
    clipman_pid=""
    return 0
}
