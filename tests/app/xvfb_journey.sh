#!/usr/bin/env bash
# Runs the built quillary in Xvfb: start, select, copy, filter, GO, About, Go Back, Exit; then
# the start-up without a dictionary. Usage: xvfb_journey.sh QUILLARY GRAB-WINDOW
set -euo pipefail
program=$1
grab=$2
work=$(mktemp -d)
shots="$(dirname "$program")/screenshots"
mkdir -p "$shots"
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*"; exit 1; }
check() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; echo "ok - $1"; }

for n in $(seq 100 199); do
    [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

main_title='^Quillary {37}by Ostrevan\.$'
about_title='^About Quillary {31}by Ostrevan\.$'
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
wait_visible() {
    for _ in $(seq 100); do
        w=$(visible "$1")
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

# A dictionary written byte for byte: lead-in, CR LF, a Windows-1252 e acute.
mkdir "$work/app"
cp "$program" "$work/app/quillary"
printf '##ROUTER n.A device that forwards packets.\r\nrouter .Lower case router.\r\nRAM.Random Access Memory.\r\nhardware.The physical parts.\r\nhard disk.A storage device.\r\nCaf\xe9.A place.\r\n' > "$work/app/data.dat"

"$work/app/quillary" &
pid=$!
main=$(wait_visible "$main_title") || fail "the main window did not appear"
echo "ok - main window mapped"
[ -z "$(visible '^Form3$')" ] || fail "the splash is still up"
"$grab" "$main" "$shots/main.png" || true

click "$main" 60 167 # the third row, RAM
click "$main" 336 452 # Copy Definition
check "selected row copied" "$(clipboard)" "RAM.Random Access Memory."

xdotool windowfocus --sync "$main" 2>/dev/null || true
click "$main" 372 141
xdotool type --delay 30 "  HARD DISK"
sleep 0.3
click "$main" 540 140 # GO
click "$main" 336 452
check "GO on the typed term" "$(clipboard)" "hard disk.A storage device."

click "$main" 208 452 # About
about=$(wait_visible "$about_title") || fail "the About window did not appear"
[ -z "$(visible "$main_title")" ] || fail "the main window is still shown behind About"
echo "ok - About shown, main window hidden"
"$grab" "$about" "$shots/about.png" || true
click "$about" 336 452 # Go Back
wait_visible "$main_title" >/dev/null || fail "Go Back did not bring the main window back"
[ -z "$(visible "$about_title")" ] || fail "the About window is still shown"
echo "ok - Go Back"

click "$main" 464 452 # Exit
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Exit"
wait "$pid" && status=0 || status=$?
pid=""
check "Exit ends the program" "$status" "0"

# Without a dictionary: the splash and the not-found box, then the end.
rm "$work/app/data.dat"
"$work/app/quillary" &
pid=$!
box=$(wait_visible '^Quillary$') || fail "no not-found box"
[ -z "$(visible "$main_title")" ] || fail "the main window appeared without a dictionary"
"$grab" "$box" "$shots/not-found.png" || true
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after the not-found box"
pid=""
echo "ok - missing dictionary: box, then the end"
echo "1 passed, 0 failed"
