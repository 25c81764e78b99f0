#!/usr/bin/env bash
# Exit on a Wayland desktop, as a user waits, after a copy and with nothing copied, in turn;
# medians of the rounds. Natively, from Ctrl+Q typed (wtype) under sway, or from the Exit button's
# AT-SPI action under KWin (which lets nothing type), to the program's end, when its window goes;
# through XWayland, bench_exit types in the compositor's X server and times the window's going and
# the program's end. A kept text is then served by wl-copy or quillary-clip.
# Usage: wayland_exit.sh QUILLARY [ROUNDS]   (bench_exit in the bench folder beside QUILLARY)
set -euo pipefail
program=$1
rounds=${2:-7}
source "$(dirname "$0")/../scripts/sway.sh"
source "$(dirname "$0")/../scripts/compositor.sh"
start_sway_session "$program"

# One launch: the entry shown by GO, copied or not, then Ctrl+Q timed to the process's end (tenths
# of a ms).
sway_exit_time() {
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
    echo "$(( (${end/./} - ${start/./}) / 100 ))"
}

# The same through AT-SPI.
atspi_exit_time() {
    local copy=$1
    shift
    "${client[@]}" "$@" "$work/app/quillary" > /dev/null 2>&1 &
    pid=$!
    "${client[@]}" /usr/bin/python3 "$(dirname "$0")/atspi_exit.py" "$pid" "$copy" Café
    wait "$pid" || true
    pid=""
    "${client[@]}" wl-copy --clear
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 10 }'; }

# Alternating rounds of each kind under the compositor NAME: natively, each launch driven by
# DRIVER_exit_time, and through XWayland.
measure() {
    local name=$1 driver=$2 copied nothing
    : > "$work/copied"
    : > "$work/nothing"
    for _ in $(seq "$rounds"); do
        "${driver}_exit_time" copied QT_QPA_PLATFORM=wayland >> "$work/copied"
        "${driver}_exit_time" nothing QT_QPA_PLATFORM=wayland >> "$work/nothing"
    done
    copied=$(median < "$work/copied")
    nothing=$(median < "$work/nothing")
    echo "BENCH exit_${name}_native_copied $copied ms"
    echo "BENCH exit_${name}_native_nothing_copied $nothing ms"
    echo "BENCH exit_${name}_native_ratio $(awk -v a="$copied" -v b="$nothing" \
        'BEGIN { printf "%.2f", a / b }') x"
    "${client[@]}" QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" \
        "$(dirname "$program")/bench/bench_exit" "exit_${name}_xwayland" "$work/app/quillary" "$rounds"
}

measure sway sway
stop_sway_server
trap 'stop_compositor; end_sway_session' EXIT
start_compositor kwin "$work"
measure kwin atspi
