# Helpers for driving the built program in Xvfb; sourced by the end-to-end scripts.
# They set `work` (a temporary folder) and `pid` (the running program, if any).

fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }
check() { [ "$2" = "$3" ] || fail "$1: expected '${3:0:300}', got '${2:0:300}'"; echo "ok - $1"; }

main_title='^Quillary {37}by Ostrevan\.$'
about_title='^About Quillary {31}by Ostrevan\.$'
box_title='^Quillary$'

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

start_xvfb() {
    work=$(mktemp -d)
    pid=""
    trap stop_xvfb EXIT
    start_xvfb_server || fail "Xvfb did not start"
}

stop_xvfb() {
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
    stop_desktop_programs
    stop_xvfb_server
    rm -rf "$work"
}

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# Waits up to SECONDS (default 10) for a window whose title matches.
wait_visible() {
    local w tries=$(( ${2:-10} * 10 ))
    for _ in $(seq "$tries"); do
        w=$(visible "$1")
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# A click needs no wait after it: the program takes X events in the order they were sent, and
# each step after a click waits for what the click causes.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
# Waits up to 3 s for the clipboard to read as EXPECTED, then checks it.
check_clipboard() {
    local text=""
    for _ in $(seq 30); do text=$(clipboard); [ "$text" = "$2" ] && break; sleep 0.1; done
    check "$1" "$text" "$2"
}

# Waits for the program to end; its exit status is left in `status`.
wait_end() {
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "the program is still running"
    status=0
    wait "$pid" || status=$?
    pid=""
}
