#!/usr/bin/env bash
# The program as a screen reader sees it: in Xvfb, on a session bus of its own with the AT-SPI
# bus, the tree read with pyatspi must show the named controls and four pressable buttons; the
# rows must be where, and as, the tool is told, and choosable through it; the press actions must
# answer at once and reach only what the mouse can. Usage: accessibility.sh QUILLARY
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${QUILLARY_OWN_BUS:-}" ]; then
    # A bus of our own, ended with the test: no autolaunched daemon outlives it.
    QUILLARY_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
mkdir "$work/app"
cp "$program" "$work/app/quillary"
# More rows than the list shows at once.
{
    printf '##ROUTER n.A device that forwards packets.\r\nRAM.Random Access Memory.\r\n'
    for i in $(seq 10 49); do printf 'ZONE%s.Zone %s.\r\n' "$i" "$i"; done
} > "$work/app/data.dat"

# What a screen reader does when it starts: turn accessibility on for the session.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

"$work/app/quillary" &
pid=$!
main=$(wait_visible "$main_title") || fail "the main window did not appear"
tree=$(/usr/bin/python3 "$(dirname "$0")/atspi_tree.py" "$main") ||
    fail "the tree could not be read: $tree"
echo "$tree"
# ROLE|NAME, or ROLE|NAME|ACTIONS|KEY BINDINGS when the actions are given too.
has() {
    local fields=1,2
    [ "$(tr -cd '|' <<<"$2")" = "|||" ] && fields=1-4
    cut -d'|' -f"$fields" <<<"$tree" | grep -qxF -- "$2" || fail "$1: no '$2' in the tree"
    echo "ok - $1"
}
has "the list" "list|Terms"
has "the search box" "text|Text to search"
has "the panel" "text|Definition"
has "button GO" "push button|GO|Press|Return"
has "button About" "push button|About|Press|F1"
has "button Exit" "push button|Exit|Press|Ctrl+Q"
has "button Copy Definition" "push button|Copy Definition|Press|Ctrl+Shift+C"
said() { grep -qxF -- "$2" <<<"$tree" || fail "$1: no '$2'"; echo "ok - $1"; }
said "a row is one object however often a tool asks" "a row asked for twice: one object"
said "rows shown and rows out of view told apart" "showing: first row True, last row False"
said "a row clicked where the tool says it lies is chosen, and the one let go is heard" \
    "selection heard: ROUTER=0 RAM=1"
said "the clicked row has the focus" "the clicked row focused: True"
said "no row has the focus while the search box has it" \
    "the row focused while the search box has the focus: False"
said "after a pass, the current row is not taken as chosen" \
    "after a pass, back in the list, the first row: focused True, selected False"
said "a row the tool held is gone after a pass" "after a pass: the held row's name none, the first row RAM"
said "a row offers the action Qt's list rows offer" "row actions: Toggle"
said "a row chosen through its action" "chosen through its action: True, panel RAM.Random Access Memory."
# Qt offers lists a selection interface from 6.5 on.
if [ "$(printf '%s\n' 6.5 "$(pkg-config --modversion Qt6Core)" | sort -V | head -n 1)" = 6.5 ]; then
    said "a row chosen through the list's selection" \
        "chosen through the list's selection: True, panel ROUTER n.A device that forwards packets."
else
    said "no selection interface before Qt 6.5" \
        "chosen through the list's selection: no selection interface"
fi
grep -qx "GO answered at once: True" <<<"$tree" || fail "GO's press action waited for its box"
echo "ok - GO's action answered at once"
grep -qx "boxes after a second GO: 1" <<<"$tree" || fail "a press behind the box opened another"
echo "ok - nothing pressed behind a box"
grep -q "^windows after About: .*About Quillary" <<<"$tree" || fail "About's press action did not open the About window"
echo "ok - About pressed through its action"
grep -q "^windows after the hidden Exit: .*About Quillary" <<<"$tree" && kill -0 "$pid" ||
    fail "the hidden window's Exit ended the program"
echo "ok - the hidden window's Exit does nothing"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "1 passed, 0 failed"
