#!/usr/bin/env bash
# Every kind of bad dictionary, each with the real program in Xvfb: each must end in the designed
# box or open the main window, never crash or hang. Usage: bad_dictionaries.sh QUILLARY
set -euo pipefail
program=$1
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
app="$work/app"
mkdir "$app"
cp "$program" "$app/quillary"
passed=0

# Starts the program with whatever data.dat now is, and expects "box" or "main".
expect() {
    local name=$1 outcome=$2 window
    "$app/quillary" 2>>"$work/stderr.log" &
    pid=$!
    if [ "$outcome" = box ]; then
        window=$(wait_visible "$box_title" 30) || { cat "$work/stderr.log"; fail "$name: no box (crashed or hung?)"; }
        [ -z "$(visible "$main_title")" ] || fail "$name: the main window appeared"
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key Return
    else
        window=$(wait_visible "$main_title" 60) || { cat "$work/stderr.log"; fail "$name: no main window (crashed or hung?)"; }
        click "$window" 464 452 # Exit
    fi
    wait_end
    check "$name: $outcome, then a clean end" "$status" 0
    passed=$((passed + 1))
    rm -rf "$app/data.dat"
}

expect "missing" box
mkdir "$app/data.dat"
expect "a folder" box
mkfifo "$app/data.dat"
expect "a pipe" box
: > "$app/data.dat"
expect "empty" box
printf '   \r\n  \r\n     ' > "$app/data.dat"
expect "spaces only" box
ln -s /proc/self/mem "$app/data.dat" # an ordinary file whose reads fail
expect "unreadable" box
truncate -s 4294967296 "$app/data.dat" # sparse: too large for the store's 32-bit offsets
expect "larger than 4 GiB" box
{ printf '##'; head -c 100000 /dev/zero | tr '\0' 'x'; printf '.def\r\n'; head -c 100000 /dev/zero | tr '\0' 'y'; printf '\r\n'; } > "$app/data.dat"
expect "100,000-character lines" main
printf '##A\0B.c\0d\r\n\0\0\0\r\n' > "$app/data.dat"
expect "NUL bytes" main
python3 -c 'import sys; sys.stdout.buffer.write(bytes(range(256)) * 4)' > "$app/data.dat" 2>/dev/null ||
    for i in $(seq 0 255); do printf "\\$(printf %03o "$i")"; done > "$app/data.dat"
expect "every byte value" main
awk 'BEGIN { printf "##"; for (i = 0; i < 1000000; i++) printf "TERM%d n.Definition number %d.\r\n", i, i }' > "$app/data.dat"
expect "1,000,000 lines" main

echo "$passed passed, 0 failed"
