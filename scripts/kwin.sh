# A private KWin (KDE Plasma's compositor) for the end-to-end tests; sourced. start_kwin_server
# starts it headless with XWayland and a session bus of its own in a folder of the caller's and
# sets `wayland` and `xdisplay` (its sockets), `runtime` and `client` (a command prefix that runs a
# program in its session); stop_kwin_server, from the caller's EXIT trap, ends it. As root the
# compositor and its clients run as nobody, as sway's do.
kwin_pid=""

start_kwin_server() {
    local dir=$1 as_user=()
    [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    runtime=$dir/kwin-runtime
    mkdir -m 700 "$runtime"
    chmod 755 "$dir"
    [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$runtime"
    # Debian's binary carries a file capability that a container may refuse; a copy has none.
    cp /usr/bin/kwin_wayland "$dir/kwin_wayland"
    printf '#!/bin/sh\nprintf "%%s\\n%%s\\n%%s\\n" "$WAYLAND_DISPLAY" "$DISPLAY" "$DBUS_SESSION_BUS_ADDRESS" > "%s/displays"\nexec sleep infinity\n' \
        "$runtime" > "$dir/kwin-session"
    chmod 755 "$dir/kwin-session"
    local session=(env -i PATH=/usr/bin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8)
    local options=(--virtual --xwayland --no-lockscreen --no-global-shortcuts --width 1024
                   --height 768 --socket wayland-quillary)
    # KWin 5 also starts KActivities unless told not to; KWin 6 has neither it nor the option.
    "$dir/kwin_wayland" --help 2>/dev/null | grep -q -- --no-kactivities && options+=(--no-kactivities)
    setsid "${as_user[@]}" "${session[@]}" dbus-run-session -- "$dir/kwin_wayland" "${options[@]}" \
        "$dir/kwin-session" > "$dir/kwin.log" 2>&1 &
    kwin_pid=$!
    for _ in $(seq 200); do [ -s "$runtime/displays" ] && break; sleep 0.1; done
    if [ ! -s "$runtime/displays" ]; then
        echo "kwin did not start: $(tail -n 3 "$dir/kwin.log")" >&2
        return 1
    fi
    wayland=$(sed -n 1p "$runtime/displays")
    xdisplay=$(sed -n 2p "$runtime/displays")
    client=("${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY="$wayland"
            DBUS_SESSION_BUS_ADDRESS="$(sed -n 3p "$runtime/displays")")
}

# Ends the compositor and everything of its session: its session bus, XWayland and the session's
# programs are its own process group's.
stop_kwin_server() {
    [ -n "$kwin_pid" ] && kill -- "-$kwin_pid" 2>/dev/null
    kwin_pid=""
    return 0
}
