#!/usr/bin/env bash
# Exit on a Wayland desktop, as a user waits: from Ctrl+Q typed (wtype) to the program's end, after
# a copy and with nothing copied, in turn, natively and through XWayland; medians of the rounds.
# The end is the program's own: a kept text is then served by wl-copy or quillary-clip.
# Usage: wayland_exit.sh QUILLARY [ROUNDS]
set -euo pipefail
program=$1
rounds=${2:-7}
source "$(dirname "$0")/../scripts/sway.sh"
start_sway_session "$program"

# One launch: the entry shown by GO, copied or not, then Ctrl+Q timed to the process's end (ms).
exit_time() {
    local copy=$1
    shift
    "${client[@]}" "$@" "$work/app/quillary" > /dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do sway_focused "Quillary " && break; sleep 0.1; done
    local keys=(-k Tab -s 100 'Café' -s 100 -k Return -s 200)
    [ "$copy" = copied ] && keys+=(-M ctrl -M shift c -m shift -m ctrl -s 200)
    # One wtype for every key (a second one's keyboard loses the modifiers' state). The moment Q
    # goes down is read from its system calls: the second message after its last pause of 300 ms.
    "${client[@]}" strace -ttt -e trace=sendmsg,clock_nanosleep -o "$runtime/wtype.trace" \
        wtype "${keys[@]}" -s 300 -M ctrl q -m ctrl
    wait "$pid" || true
    pid=""
    local end=$EPOCHREALTIME
    local start
    start=$(awk '/tv_nsec=300000000/ { n = 0; next } /sendmsg/ && ++n == 2 { t = $1 } END { print t }' \
        "$runtime/wtype.trace")
    "${client[@]}" wl-copy --clear # ends the keeper, if any
    echo "$(( (${end/./} - ${start/./}) / 100 ))" # tenths of a millisecond
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 10 }'; }

for mode in native xwayland; do
    platform=(QT_QPA_PLATFORM=wayland)
    [ "$mode" = xwayland ] && platform=(QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay")
    : > "$work/copied"
    : > "$work/nothing"
    for _ in $(seq "$rounds"); do
        exit_time copied "${platform[@]}" >> "$work/copied"
        exit_time nothing "${platform[@]}" >> "$work/nothing"
    done
    copied=$(median < "$work/copied")
    nothing=$(median < "$work/nothing")
    echo "BENCH exit_${mode}_copied $copied ms"
    echo "BENCH exit_${mode}_nothing_copied $nothing ms"
    echo "BENCH exit_${mode}_ratio $(awk -v a="$copied" -v b="$nothing" 'BEGIN { printf "%.2f", a / b }') x"
done
