# A private KWin (KDE Plasma's compositor), mutter or GNOME Shell (GNOME's) for the end-to-end
# tests; sourced.
# start_compositor NAME DIR starts it headless, with XWayland and a session bus of its own, in a
# folder of the caller's, and sets `wayland` and `xdisplay` (its sockets), `runtime` and `client`
# (a command prefix that runs a program in its session); stop_compositor, from the caller's EXIT
# trap, ends it with all of its session. As root the compositor and its clients run as nobody, as
# sway's do.
compositor_pid=""
session_pid=""

# GNOME Shell runs no session program and needs a system bus: its session script starts a bus of
# its own as the system bus (with no logind on it, the shell takes no seat), then the shell, and
# writes down the session from the shell's Xwayland once the shell offers its remote desktop.
gnome_shell_session() {
    local dir=$1
    sed "s|RUNTIME|$runtime|" > "$dir/gnome-shell-bus.conf" <<'EOF'
<busconfig>
  <listen>unix:path=RUNTIME/system_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/> <allow own="*"/>
    <allow send_type="method_call"/> <allow send_type="signal"/>
    <allow send_requested_reply="true" send_type="method_return"/>
    <allow send_requested_reply="true" send_type="error"/>
    <allow receive_type="method_call"/> <allow receive_type="method_return"/>
    <allow receive_type="error"/> <allow receive_type="signal"/>
  </policy>
</busconfig>
EOF
    sed "s|DIR|$dir|g; s|RUNTIME|$runtime|g" > "$dir/gnome-shell-session" <<'EOF'
#!/bin/sh
bus=$(dbus-daemon --config-file=DIR/gnome-shell-bus.conf --fork --print-pid)
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=RUNTIME/system_bus
gnome-shell --headless --wayland --virtual-monitor 1024x768 --wayland-display wayland-quillary &
shell=$!
for _ in $(seq 200); do
    x=$(ps -o args= --ppid $shell | grep '^/usr/bin/Xwayland ' || true)
    [ -n "$x" ] && break
    sleep 0.1
done
# Ready once it offers its remote desktop, as mutter is when it starts its session program.
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.gnome.Mutter.RemoteDesktop 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.1
done
display=$(echo "$x" | awk '{ print $2 }')
auth=$(echo "$x" | sed -n 's/.* -auth \([^ ]*\).*/\1/p')
printf "%s\n" wayland-quillary "$display" "$DBUS_SESSION_BUS_ADDRESS" "$auth" "$bus" > RUNTIME/displays
wait $shell
echo "gnome-shell ended: status $?"
EOF
    chmod 755 "$dir/gnome-shell-session"
}

start_compositor() {
    local name=$1 dir=$2 as_user=() command
    [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    runtime=$dir/$name-runtime
    # Its X server runs as nobody, and would make the sockets' folder its own where no booted
    # system's tmpfiles have made it root's and sticky (a fresh root): KWin then refuses it.
    [ "$(id -u)" -eq 0 ] && install -d -o root -g root -m 1777 /tmp/.X11-unix
    mkdir -m 700 "$runtime"
    chmod 755 "$dir"
    [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$runtime"
    # The session's one program writes down where the session is, and its own pid: KWin starts it
    # in a process group of its own, which ending the compositor's group would miss.
    printf '#!/bin/sh\nprintf "%%s\\n" "$WAYLAND_DISPLAY" "$DISPLAY" "$DBUS_SESSION_BUS_ADDRESS" "$XAUTHORITY" "$$" > "%s/displays"\nexec sleep infinity\n' \
        "$runtime" > "$dir/$name-session"
    chmod 755 "$dir/$name-session"
    if [ "$name" = kwin ]; then
        # Debian's binary carries a file capability that a container may refuse; a copy has none.
        cp /usr/bin/kwin_wayland "$dir/kwin_wayland"
        command=("$dir/kwin_wayland" --virtual --xwayland --no-lockscreen --no-global-shortcuts
                 --width 1024 --height 768 --socket wayland-quillary)
        # KWin 5 also starts KActivities unless told not to; KWin 6 has neither it nor the option.
        "$dir/kwin_wayland" --help 2>/dev/null | grep -q -- --no-kactivities &&
            command+=(--no-kactivities)
        command+=("$dir/$name-session")
    elif [ "$name" = gnome-shell ]; then
        gnome_shell_session "$dir"
        command=("$dir/$name-session")
    else
        command=(mutter --headless --wayland --virtual-monitor 1024x768
                 --wayland-display wayland-quillary -- "$dir/$name-session")
    fi
    local session=(env -i PATH=/usr/bin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8)
    setsid "${as_user[@]}" "${session[@]}" dbus-run-session -- "${command[@]}" \
        > "$dir/$name.log" 2>&1 &
    compositor_pid=$!
    for _ in $(seq 200); do [ -s "$runtime/displays" ] && break; sleep 0.1; done
    if [ ! -s "$runtime/displays" ]; then
        echo "$name did not start: $(tail -n 3 "$dir/$name.log")" >&2
        return 1
    fi
    session_pid=$(sed -n 5p "$runtime/displays")
    wayland=$(sed -n 1p "$runtime/displays")
    xdisplay=$(sed -n 2p "$runtime/displays")
    client=("${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY="$wayland"
            DBUS_SESSION_BUS_ADDRESS="$(sed -n 3p "$runtime/displays")"
            XAUTHORITY="$(sed -n 4p "$runtime/displays")")
    # Assistive technology on, as a screen reader would turn it on.
    "${client[@]}" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null
}

# Ends the compositor with its session bus, XWayland and the session's programs: the process group
# it was started in, and the session's program, and waits until they are gone. What has not gone
# 5 s after SIGTERM is killed: GNOME Shell 50 may spin in its own ending once its Xwayland has gone.
stop_compositor() {
    local p x
    # The compositor alone first: it ends its Xwayland and removes its X lock files. Ended with its
    # group, mutter sees its Xwayland die under it and leaves them behind.
    x=$([ -n "$compositor_pid" ] && pgrep -g "$compositor_pid" -x Xwayland | head -n 1 || true)
    p=$([ -n "$x" ] && ps -o ppid= -p "$x" | tr -d ' ' || true)
    if [ -n "$p" ] && kill "$p" 2>/dev/null; then
        for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
    fi
    for p in ${compositor_pid:+"-$compositor_pid"} $session_pid; do
        kill -- "$p" 2>/dev/null || continue
        for _ in $(seq 50); do kill -0 -- "$p" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "$p" 2>/dev/null || continue
        for _ in $(seq 20); do kill -0 -- "$p" 2>/dev/null || break; sleep 0.1; done
    done
    compositor_pid=""
    session_pid=""
    return 0
}
