#!/usr/bin/env bash
# A copied definition outlives the program on a Wayland desktop: real compositors, headless, run
# the program natively and through XWayland: sway, where wtype (XTest for X clients) types Tab, a
# term, Return, Ctrl+Shift+C and Ctrl+Q; KWin, which lets no test type, where the same is done through the
# controls' AT-SPI actions; mutter and GNOME Shell, where the term is looked up through AT-SPI and the copy and
# the end are typed through its remote-desktop interface (mutter takes a copy only from the window
# that has the keyboard). wl-paste reads the clipboard from the Wayland side after the program has
# ended. A definition may begin with a dash; what another program copied since is left alone.
# Usage: wayland_clipboard.sh QUILLARY
set -euo pipefail
program=$1
source "$(dirname "$0")/xvfb_lib.sh"
source "$(dirname "$0")/../../scripts/sway.sh"
source "$(dirname "$0")/../../scripts/compositor.sh"
start_sway_session "$program" || fail "sway did not start"
# The session's user may not read the checkout (root's own folder): the helpers go beside the program.
scripts=$work/e2e
mkdir "$scripts"
cp "$(dirname "$0")"/atspi_copy.py "$(dirname "$0")"/atspi_lib.py "$(dirname "$0")"/mutter_input.py "$scripts"
chmod -R a+rX "$scripts"

paste() { "${client[@]}" timeout 5 wl-paste --no-newline 2>/dev/null || true; }
# The keeper of the copied text, a process of this session: wl-copy for the program on Wayland,
# its own quillary-clip for the program on X (the compositor's bridge passes the text on).
keepers() {
    local p
    for p in $(pgrep -x "$1" || true); do
        { tr '\0' '\n' < "/proc/$p/environ"; } 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$runtime" &&
            echo "$p"
    done
    return 0
}

# Waits for the program's end, which must be a clean one.
ended_well() {
    wait_end
    [ "$status" -eq 0 ] ||
        fail "$1: the program ended with status $status: $(tail -n 5 "$work/program.log")"
}

# Looks up TERM, copies its entry COPIED and ends the program, by keyboard (KEYS, with wtype) or
# through AT-SPI as `drive` says; then reads the clipboard.
copy_and_exit() {
    local mode=$1 keeper_name=$2 copied=$3 term=$4 keys=$5
    shift 5
    "${client[@]}" "$@" "$work/app/quillary" > "$work/program.log" 2>&1 &
    pid=$!
    if [ "$drive" = atspi ]; then
        "${client[@]}" /usr/bin/python3 "$scripts/atspi_copy.py" "$term" ||
            fail "$mode: the controls could not be used"
    elif [ "$drive" = atspi-klipper ]; then # Exit once Klipper has read the copy
        "${client[@]}" /usr/bin/python3 "$scripts/atspi_copy.py" --copy-only "$term" ||
            fail "$mode: the controls could not be used"
        klipper_holds "$copied" || fail "$mode: Klipper never read the copy"
        "${client[@]}" /usr/bin/python3 "$scripts/atspi_copy.py" --exit-only "$term" ||
            fail "$mode: the controls could not be used"
    elif [ "$drive" = mutter ]; then
        local looked=0
        "${client[@]}" /usr/bin/python3 "$scripts/atspi_copy.py" --lookup-only "$term" ||
            looked=$?
        # mutter may map a new window without the keyboard (GNOME 50 does so for any window not
        # started from the shell), where a user clicks it: mutter centres it, and the pointer
        # starts in the screen's middle.
        if [ "$looked" -eq 3 ]; then
            echo "# $mode: mutter gave the window no keyboard; a click"
            mutter_keys click
            looked=0
            "${client[@]}" /usr/bin/python3 "$scripts/atspi_copy.py" --lookup-only \
                "$term" || looked=$?
        fi
        [ "$looked" -eq 0 ] || fail "$mode: the controls could not be used"
        mutter_keys ctrl+shift+c ctrl+q
    else
        for _ in $(seq 100); do sway_focused "Quillary " && break; sleep 0.1; done
        sway_focused "Quillary " || fail "$mode: the main window did not get the focus"
        if [ "$drive" = xtest ]; then # sway 1.12 passes wtype's keys to no X client
            # XTest types into the X server's focus, which follows sway's a moment later. A term
            # of the keymap's own keys: another would be typed through a changed keymap, which
            # a program may read late.
            local x=("${client[@]}" DISPLAY="$xdisplay" xdotool)
            for _ in $(seq 100); do
                [[ "$("${x[@]}" getwindowfocus getwindowname 2>/dev/null)" == "Quillary "* ]] && break
                sleep 0.1
            done
            "${x[@]}" key Tab
            "${x[@]}" type -- "$term"
            "${x[@]}" key Return key ctrl+shift+c key ctrl+q
        else
            # shellcheck disable=SC2086 # the term's keys are words
            "${client[@]}" wtype -k Tab -s 200 $keys -s 200 -k Return -s 300 \
                -M ctrl -M shift c -m shift -m ctrl -s 500 -M ctrl q -m ctrl
        fi
    fi
    ended_well "$mode"
    local text=""
    for _ in $(seq 30); do text=$(paste); [ "$text" = "$copied" ] && break; sleep 0.1; done
    check "$mode: the copied definition after the program ended" "$text" "$copied"
    local keeper
    if [ -z "$keeper_name" ]; then # the compositor keeps the text itself
        for _ in $(seq 20); do [ -z "$(keepers wl-copy)$(keepers quillary-clip)" ] && break; sleep 0.1; done
        [ -z "$(keepers wl-copy)$(keepers quillary-clip)" ] || fail "$mode: a keeper is left"
        echo "ok - $mode: nothing of ours left"
        return 0
    fi
    local name
    keeper=$(for name in $keeper_name; do keepers "$name"; done)
    [ -n "$keeper" ] || fail "$mode: no process keeps the text"
    [ "$(echo "$keeper" | wc -l)" -eq 1 ] || fail "$mode: more than one process keeps the text"
    check "$mode: what the keeper holds open" \
        "$(ls -l "/proc/$keeper/fd" | grep -c -v -e '/dev/null' -e 'socket:' -e '^total')" "0"
    # Another program copies: the keeper ends. KWin passes a copy between Wayland and X only while
    # an X window has the focus, so there the other program, and the paste, are X ones.
    local other="" pasted
    if [ "$other_copier" = x ] && [ "$(cat "/proc/$keeper/comm")" = quillary-clip ]; then
        printf 'other text' | "${client[@]}" DISPLAY="$xdisplay" xclip -quiet -selection clipboard &
        other=$!
    else
        "${client[@]}" wl-copy 'other text'
    fi
    for _ in $(seq 30); do [ -d "/proc/$keeper" ] || break; sleep 0.1; done
    [ -d "/proc/$keeper" ] && fail "$mode: the keeper did not end when another program copied"
    if [ -n "$other" ]; then
        pasted=$("${client[@]}" DISPLAY="$xdisplay" xclip -o -selection clipboard)
        kill "$other"
    else
        pasted=$(paste)
    fi
    check "$mode: the other program's text" "$pasted" "other text"
    "${client[@]}" wl-copy --clear
}

# Another program copies an image while the program runs: Exit leaves it on the clipboard.
another_copied_before_exit() {
    "${client[@]}" QT_QPA_PLATFORM=wayland "$work/app/quillary" > "$work/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do sway_focused "Quillary " && break; sleep 0.1; done
    printf '\x89PNG\r\n' | "${client[@]}" wl-copy --type image/png
    "${client[@]}" wtype -s 300 -M ctrl q -m ctrl # the pause: its keyboard set up first
    ended_well "an image copied by another program"
    check "an image copied by another program, after Exit" \
        "$("${client[@]}" timeout 5 wl-paste --list-types 2>/dev/null || true)" "image/png"
    "${client[@]}" wl-copy --clear
}

# Copies in a row, natively: each wl-copy is reaped as the next replaces it, and the last copy wins
# however fast it comes (the search box's Ctrl+C, then at once Copy Definition).
copies_in_a_row() {
    "${client[@]}" QT_QPA_PLATFORM=wayland "$work/app/quillary" > "$work/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do sway_focused "Quillary " && break; sleep 0.1; done
    local copies=()
    for _ in $(seq 10); do copies+=(-M ctrl -M shift c -m shift -m ctrl); done
    "${client[@]}" wtype -k Tab -s 200 -k minus oid -s 200 -k Return -s 300 "${copies[@]}" \
        -M ctrl a -m ctrl -M ctrl c -m ctrl -M ctrl -M shift c -m shift -m ctrl
    local children=""
    for _ in $(seq 50); do
        children=$(ps -o s=,comm= --ppid "$pid" | sort | tr '\n' ' ')
        [ "$children" = "S wl-copy " ] && break
        sleep 0.1
    done
    check "ten copies and two at once: what the program has started" "$children" "S wl-copy "
    check "ten copies and two at once: the last copy" "$(paste)" "-oid.Like a café."
    "${client[@]}" wtype -s 300 -M ctrl q -m ctrl # the pause: its keyboard set up first
    ended_well "ten copies"
    "${client[@]}" wl-copy --clear
}

drive=keys other_copier=wayland
copies_in_a_row
copy_and_exit "sway, native Wayland" wl-copy "-oid.Like a café." -oid "-k minus oid" \
    QT_QPA_PLATFORM=wayland
# Should sway's Xwayland end, the keeper goes on as wl-copy. Keys through XTest.
drive=xtest
copy_and_exit "sway, XWayland" "quillary-clip wl-copy" "-oid.Like a café." -oid -oid \
    QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay"
drive=keys
another_copied_before_exit

stop_sway_server
trap 'stop_compositor; end_sway_session' EXIT
start_compositor kwin "$work" || fail "kwin did not start"
drive=atspi other_copier=x
copy_and_exit "kwin, native Wayland" wl-copy "-oid.Like a café." -oid "" QT_QPA_PLATFORM=wayland
copy_and_exit "kwin, XWayland" quillary-clip "Café.A place to sit." Café "" \
    QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay"
# KDE's Klipper, on Wayland, puts its newest entry back when the clipboard's owner goes: natively,
# nothing of ours is left once it has the copy.
if command -v klipper >/dev/null; then
    "${client[@]}" QT_QPA_PLATFORM=wayland klipper > "$work/klipper.log" 2>&1 &
    klipper=$!
    klipper_has() { # TEXT: whether Klipper's newest entry is TEXT
        "${client[@]}" dbus-send --session --print-reply --dest=org.kde.klipper /klipper \
            org.kde.klipper.klipper.getClipboardContents 2>/dev/null | grep -qF -- "$1"
    }
    klipper_holds() { # TEXT: whether Klipper's newest entry becomes TEXT within 20 s
        for _ in $(seq 200); do klipper_has "$1" && return 0; sleep 0.1; done
        return 1
    }
    # Ready once it sees copies: one made before it watched the clipboard goes unseen.
    for _ in $(seq 40); do
        "${client[@]}" wl-copy 'klipper ready'
        klipper_has 'klipper ready' && break
        sleep 0.5
    done
    klipper_has 'klipper ready' || fail "Klipper did not start: $(tail -n 3 "$work/klipper.log")"
    "${client[@]}" wl-copy --clear
    drive=atspi-klipper
    copy_and_exit "kwin with klipper, native Wayland" "" "-oid.Like a café." -oid "" \
        QT_QPA_PLATFORM=wayland
    drive=atspi
    kill "$klipper" && wait "$klipper" 2>/dev/null || true
else
    echo "ok - kwin with klipper: skipped, no klipper program in this release"
fi

# mutter, and GNOME Shell on it: keys through a remote-desktop session, which also gives the seat a
# keyboard for wl-paste.
remote_keys() {
    coproc INPUT { "${client[@]}" /usr/bin/python3 "$scripts/mutter_input.py"; }
    read -r -t 20 reply <&"${INPUT[0]}" && [ "$reply" = ready ]
}
mutter_keys() {
    if [ "$1" = click ]; then echo click; else echo "keys $*"; fi >&"${INPUT[1]}"
    read -r -t 20 reply <&"${INPUT[0]}" && [ "$reply" = done ] || fail "the keys were not typed"
}
overview_shown() {
    "${client[@]}" dbus-send --session --print-reply --dest=org.gnome.Shell /org/gnome/Shell \
        org.freedesktop.DBus.Properties.Get string:org.gnome.Shell string:OverviewActive \
        2>/dev/null | grep -q 'boolean true'
}
# Whether SHELL takes keys through its remote desktop. GNOME Shell opens in its overview once it has
# started, a while after it offers its remote desktop, and Escape leaves it: keys typed before then
# go to the overview's search.
shell_ready() {
    remote_keys "$1" || return 1
    [ "$1" = gnome-shell ] || return 0
    for _ in $(seq 200); do overview_shown && break; sleep 0.1; done
    overview_shown || return 1
    for _ in $(seq 50); do
        overview_shown || break
        mutter_keys escape
        sleep 0.1
    done
    ! overview_shown
}
drive=mutter
for shell in mutter gnome-shell; do
    # Under load GNOME Shell 43 may stop for good while it starts (a child it forked never runs its
    # program, and the shell waits for it): a shell that does not come up gets one more start.
    for attempt in 1 2; do
        if [ -n "${INPUT_PID:-}" ]; then
            kill "$INPUT_PID" 2>/dev/null
            wait "$INPUT_PID" 2>/dev/null || true
        fi
        stop_compositor
        rm -rf "$work/$shell-runtime"
        start_compositor "$shell" "$work" || fail "$shell did not start"
        shell_ready "$shell" && break
        [ "$attempt" -eq 1 ] || fail "$shell did not come up: $(tail -n 5 "$work/$shell.log")"
        echo "# $shell did not come up, started again: $(tail -n 3 "$work/$shell.log")"
    done
    copy_and_exit "$shell, native Wayland" "" "-oid.Like a café." -oid "" QT_QPA_PLATFORM=wayland
    copy_and_exit "$shell, XWayland" "" "Café.A place to sit." Café "" \
        QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay"
done
echo "1 passed, 0 failed"
