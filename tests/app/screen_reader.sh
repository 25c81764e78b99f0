#!/usr/bin/env bash
# The program with a real screen reader: Orca, speech off and its debug log on, in Xvfb on a
# session bus of the test's own with the AT-SPI bus. Keys are typed as a user would, and what Orca
# would have said is read from its log ("SPEECH OUTPUT:" lines). Usage: screen_reader.sh QUILLARY
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${QUILLARY_OWN_BUS:-}" ]; then
    QUILLARY_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
source "$(dirname "$0")/xvfb_lib.sh"
command -v orca >/dev/null || fail "orca is not installed (scripts/install-deps installs it)"
start_xvfb
mkdir "$work/app" "$work/home"
cp "$program" "$work/app/quillary"
printf '##zebra n.An animal.\r\nalpha n.The first letter.\r\nrouter n.A device.\r\n' > "$work/app/data.dat"
# Orca keeps its settings and caches in the test's own folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
log="$work/orca.log"
# Orca buffers its debug file unless it is a terminal: it writes to one that script(1) copies.
script -qfec "orca --replace --debug-file=/dev/stdout -d speech" /dev/null >"$log" 2>&1 &
orca=$!
trap 'kill "$orca" 2>/dev/null || true; stop_xvfb' EXIT
for _ in $(seq 100); do grep -q "ORCA: Starting registry" "$log" 2>/dev/null && break; sleep 0.1; done

spoken() { grep -c "SPEECH OUTPUT: '$1" "$log" || true; }
# Does what is given, then waits up to five seconds for Orca to say TEXT once more than before.
says() {
    local what=$1 text=$2 before
    shift 2
    before=$(spoken "$text")
    "$@"
    for _ in $(seq 50); do
        [ "$(spoken "$text")" -gt "$before" ] && { echo "ok - $what: Orca says '$text'"; return 0; }
        sleep 0.1
    done
    fail "$what: Orca did not say '$text'; it said: $(grep -o "SPEECH OUTPUT: .*" "$log" | tail -n 5)"
}

"$work/app/quillary" &
pid=$!
main=$(wait_visible "$main_title") || fail "the main window did not appear"
says "the list at start" "List with 3 items." xdotool windowfocus --sync "$main"
says "Down" "alpha." xdotool key Down
says "Down again" "router." xdotool key Down
says "Home" "zebra." xdotool key Home
# The keypad is left out: with NumLock off, Orca takes its keys for its own review commands.
says "Page Down" "router." xdotool key Next
says "a click on the first row" "zebra." xdotool mousemove --window "$main" 60 137 click 1
says "Tab into the search box" "Text to search" xdotool key Tab
xdotool type a
says "back to the list after a pass" "List with 1 item." xdotool key shift+Tab
says "the first Down after the pass" "alpha." xdotool key Down
says "F1 opens About" "About Quillary" \
    bash -c 'xdotool key F1 && sleep 0.2 && xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^About Quillary" | head -n 1)"'
says "Escape goes back" "Quillary " \
    bash -c 'xdotool key Escape && sleep 0.2 && xdotool windowfocus --sync "$0"' "$main"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "1 passed, 0 failed"
