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

# start_desktop_program NAME DIR COMMAND...: a program of an X desktop (a clipboard manager, a
# settings daemon) on the server, with a session bus, HOME and XDG_RUNTIME_DIR of its own in
# DIR/NAME-home, in a process group of its own; the bus's address is left in DIR/NAME-home/bus.
# Returns at once: the caller waits for what the program does. stop_desktop_programs ends every
# group started, whatever they started in turn, and waits until they are gone.
desktop_groups=()

start_desktop_program() {
    local name=$1 dir=$2
    shift 2
    local home=$dir/$name-home
    mkdir -p -m 700 "$home"
    HOME=$home XDG_RUNTIME_DIR=$home setsid dbus-run-session -- \
        sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" > "$0/bus"; exec "$@"' "$home" "$@" \
        > "$dir/$name.log" 2>&1 &
    desktop_groups+=("$!")
}

stop_desktop_programs() {
    local group
    for group in "${desktop_groups[@]}"; do
        kill -- "-$group" 2>/dev/null || continue
        for _ in $(seq 50); do kill -0 -- "-$group" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "-$group" 2>/dev/null || true
    done
    desktop_groups=()
    return 0
}
