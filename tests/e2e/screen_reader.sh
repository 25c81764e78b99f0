#!/usr/bin/env bash
# The program with a real screen reader: Orca, speech off and its debug log on, in Xvfb on a
# session bus of the test's own with the AT-SPI bus. Keys are typed as a user would, and what Orca
# would have said is read from its log ("SPEECH OUTPUT:" lines).
# Usage: screen_reader.sh QUILLARY XHELPER
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${QUILLARY_OWN_BUS:-}" ]; then
    QUILLARY_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
xhelper=$2
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
# Orca buffers its debug file, so it is opened line-buffered. (Through a terminal, a write that
# blocks under load let Orca 48 drop the event it was logging.)
/usr/bin/python3 -c '
import builtins, runpy, sys
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda f, *a, **k: real_open(f, "w", 1) if f == log else real_open(f, *a, **k)
sys.argv = ["orca"] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")' "$log" --replace --debug-file="$log" -d speech \
    >"$work/orca.out" 2>&1 &
orca=$!
trap 'kill "$orca" 2>/dev/null || true; stop_xvfb' EXIT
# Orca is ready once the accessibility registry lists its listeners for what the first step
# needs: a window activated and a control focused.
a11y=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress |
    sed -n 's/.*string "\(.*\)"/\1/p')
listening() {
    local events
    events=$(dbus-send --bus="$a11y" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null) || return 1
    grep -q '"Window:Activate:"' <<<"$events" && grep -q '"Object:StateChanged:Focused"' <<<"$events"
}
for _ in $(seq 300); do listening && break; sleep 0.1; done
listening || fail "Orca did not start listening: $(tail -n 3 "$log")"

# What Orca said after line N of its log: its words in lower case, without punctuation, one line,
# so that a text is found however a release splits or punctuates it.
said_since() {
    tail -n +"$(($1 + 1))" "$log" | sed -n -E "s/.*SPEECH OUTPUT: ('([^']*)'|\"([^\"]*)\").*/\2\3/p" |
        tr '[:upper:]' '[:lower:]' | tr -d '.,:;!?' | tr -s ' \n' '  '
}
# Marks where in Orca's log the next step begins.
mark() { from=$(grep -c '' "$log" || true); }
# Waits up to five seconds for Orca to have said TEXT since the mark.
heard() {
    local what=$1 text=$2 words
    words=$(tr '[:upper:]' '[:lower:]' <<<"$text" | tr -d '.,:;!?' | tr -s ' ')
    for _ in $(seq 50); do
        grep -qF -- "$words" <<<"$(said_since "$from")" &&
            { echo "ok - $what: Orca says '$text'"; return 0; }
        sleep 0.1
    done
    fail "$what: Orca did not say '$text'; it said: $(said_since "$from")"
}
# Does what is given, then waits for Orca to say TEXT.
says() {
    local what=$1 text=$2
    shift 2
    mark
    "$@"
    heard "$what" "$text"
}
# Focuses the window whose title matches, once it is shown.
focus() { xdotool windowfocus --sync "$(wait_visible "$1")"; }

# From before the start: Orca may speak the window as soon as it shows.
mark
"$work/app/quillary" &
pid=$!
main=$(wait_visible "$main_title") || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
heard "the list at start" "Terms List with 3 items."
says "Down" "alpha." xdotool key Down
says "Down again" "router." xdotool key Down
says "Home" "zebra." xdotool key Home
# The keypad is left out: with NumLock off, Orca takes its keys for its own review commands.
says "Page Down" "router." xdotool key Next
says "a click on the first row" "zebra." xdotool mousemove --window "$main" 60 137 click 1
says "Tab into the search box" "Text to search" xdotool key Tab
xdotool type a
# Orca 48 may speak the current row as the list takes the focus, and then nothing more when Down
# chooses it: by the first Down, the user has heard the term either way.
says "back to the list after a pass" "List with 1 item." xdotool key shift+Tab
xdotool key Down
heard "the first Down after the pass" "alpha."
# F1 through XTest: with Debian 14's keymap, xdotool holds Alt for it.
key_then_focus() { "$xhelper" key "$1" && focus "$2"; }
says "F1 opens About" "About Quillary" key_then_focus 0xffbe "$about_title"
says "Escape goes back to the list" "Terms List with 1 item." key_then_focus 0xff1b "$main_title"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "1 passed, 0 failed"
