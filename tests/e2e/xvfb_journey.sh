#!/usr/bin/env bash
# Runs the built quillary in Xvfb: start, select, copy, filter, GO, About, Go Back, Exit; then
# the start-up without a dictionary. Usage: xvfb_journey.sh QUILLARY GRAB-WINDOW [LAUNCHER...]
# A launcher (strace, say) is put in front of each start of the program.
set -euo pipefail
program=$1
grab=$2
shift 2
launcher=("$@")
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
shots="$(dirname "$program")/screenshots"
mkdir -p "$shots"

# A dictionary written byte for byte: lead-in, CR LF, a Windows-1252 e acute.
mkdir "$work/app"
cp "$program" "$work/app/quillary"
cp "$(dirname "$program")/quillary-clip" "$work/app/"
printf '##ROUTER n.A device that forwards packets.\r\nrouter .Lower case router.\r\nRAM.Random Access Memory.\r\nhardware.The physical parts.\r\nhard disk.A storage device.\r\nCaf\xe9.A place.\r\n' > "$work/app/data.dat"

"${launcher[@]}" "$work/app/quillary" &
pid=$!
main=$(wait_visible "$main_title") || fail "the main window did not appear"
echo "ok - main window mapped"
[ -z "$(visible '^Form3$')" ] || fail "the splash is still up"
"$grab" "$main" "$shots/main.png" || true

click "$main" 60 167 # the third row, RAM
click "$main" 336 452 # Copy Definition
check_clipboard "selected row copied" "RAM.Random Access Memory."

xdotool windowfocus --sync "$main" 2>/dev/null || true
click "$main" 372 141
xdotool type --delay 30 "  HARD DISK"
click "$main" 540 140 # GO
click "$main" 336 452
check_clipboard "GO on the typed term" "hard disk.A storage device."

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
check_clipboard "the copy outlives the window" "hard disk.A storage device."
# Another program copies; the process that kept the text ends.
printf 'other' | xclip -selection clipboard -loops 1
clipboard >/dev/null
wait_end
check "Exit ends the program" "$status" "0"

# Without a dictionary: the splash and the not-found box, then the end.
rm "$work/app/data.dat"
"${launcher[@]}" "$work/app/quillary" &
pid=$!
box=$(wait_visible "$box_title") || fail "no not-found box"
[ -z "$(visible "$main_title")" ] || fail "the main window appeared without a dictionary"
"$grab" "$box" "$shots/not-found.png" || true
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
wait_end
check "missing dictionary: box, then the end" "$status" "0"
echo "1 passed, 0 failed"
