# A private Wayland compositor for the scripts and the end-to-end tests; sourced. start_sway_server
# starts sway headless with XWayland in a folder of the caller's and sets `wayland` and `xdisplay`
# (its sockets) and `client` (a command prefix that runs a program in its session); stop_sway_server,
# from the caller's EXIT trap, ends it. sway refuses to run as root, so as root the compositor and
# its clients run as nobody.
sway_pid=""

start_sway_server() {
    local dir=$1 as_user=()
    [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    runtime=$dir/runtime
    # Its X server runs as nobody, and would make the sockets' folder its own where no booted
    # system's tmpfiles have made it root's and sticky (a fresh root): KWin then refuses it.
    [ "$(id -u)" -eq 0 ] && install -d -o root -g root -m 1777 /tmp/.X11-unix
    mkdir -m 700 "$runtime"
    chmod 755 "$dir"
    [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$runtime"
    # Only what the session needs: nothing of the caller's own desktop reaches it.
    local session=(env -i PATH=/usr/bin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8)
    printf '%s\n' 'xwayland enable' \
        "exec printf '%s\\n%s\\n' \"\$WAYLAND_DISPLAY\" \"\$DISPLAY\" > $runtime/displays" \
        > "$dir/sway.config"
    chmod 644 "$dir/sway.config"
    "${as_user[@]}" "${session[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman \
        WLR_LIBINPUT_NO_DEVICES=1 sway -c "$dir/sway.config" > "$dir/sway.log" 2>&1 &
    sway_pid=$!
    for _ in $(seq 100); do [ -s "$runtime/displays" ] && break; sleep 0.1; done
    if [ ! -s "$runtime/displays" ]; then
        echo "sway did not start: $(tail -n 3 "$dir/sway.log")" >&2
        return 1
    fi
    wayland=$(sed -n 1p "$runtime/displays")
    xdisplay=$(sed -n 2p "$runtime/displays")
    client=("${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY="$wayland"
            SWAYSOCK="$(echo "$runtime"/sway-ipc.*.sock)")
}

stop_sway_server() {
    [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null && wait "$sway_pid" 2>/dev/null
    sway_pid=""
    return 0
}

# Whether the focused window's title begins with $1.
sway_focused() {
    "${client[@]}" swaymsg -t get_tree 2>/dev/null | python3 -c '
import json, sys
def focused(node):
    if node.get("focused"):
        return node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = focused(child)
        if found:
            return found
node = focused(json.load(sys.stdin))
sys.exit(0 if node and (node.get("name") or "").startswith(sys.argv[1]) else 1)' "$1"
}

# A session for a script: a temporary folder `work`, sway in it, and the program in work/app with
# its clipboard keeper beside a small dictionary; an EXIT trap ends the program (`pid`, if set),
# sway and the folder. Everything in work is readable by the session's user (nobody, as root).
start_sway_session() {
    work=$(mktemp -d)
    pid=""
    trap end_sway_session EXIT
    start_sway_server "$work" || return 1
    mkdir "$work/app"
    cp "$1" "$work/app/quillary"
    cp "$(dirname "$1")/quillary-clip" "$work/app/"
    printf '##ROUTER n.A device that forwards packets.\r\nCaf\xe9.A place to sit.\r\n-oid.Like a caf\xe9.\r\n' \
        > "$work/app/data.dat"
}

end_sway_session() {
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true # it may have ended with its display
    stop_sway_server
    rm -rf "$work"
}
