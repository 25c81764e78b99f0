#!/usr/bin/env bash
# A copied definition outlives the program: served by the program's own process after Exit and
# after closing the main window, until another program copies; handed to a clipboard manager when
# there is one that takes it (stand-ins, and Xfce's own); and no process is left behind when
# nothing was copied.
# Usage: clipboard_after_exit.sh QUILLARY XHELPER
set -euo pipefail
program=$1
xhelper=$2
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
mkdir "$work/app"
cp "$program" "$work/app/quillary"
printf '##ROUTER n.A device that forwards packets.\r\nrouter .Lower case router.\r\nCaf\xe9.A place.\r\n' > "$work/app/data.dat"
copied="Café.A place."

servers() { pgrep -f "^$work/app/quillary" || true; }

# Starts the program, copies the third row's entry and checks it is on the clipboard.
start_and_copy() {
    "$work/app/quillary" &
    pid=$!
    main=$(wait_visible "$main_title") || fail "the main window did not appear"
    click "$main" 60 167 # the third row, Café
    click "$main" 336 452 # Copy Definition
    check "$1: copied" "$(clipboard)" "$copied"
}

# Another program copies: the serving process must end within a second.
another_copies() {
    printf 'other text' | xclip -selection clipboard -loops 1
    check "$1: the other program's text" "$(clipboard)" "other text"
    for _ in $(seq 10); do [ -z "$(servers)" ] && break; sleep 0.1; done
    [ -z "$(servers)" ] || fail "$1: the serving process did not end"
    echo "ok - $1: the serving process ended"
}

start_and_copy "Exit"
click "$main" 464 452 # Exit
wait_end
check "Exit: text kept after the program ended" "$(clipboard)" "$copied"
check "Exit: kept twice" "$(clipboard)" "$copied"
# Each form a client may ask for: the list of forms, Latin-1 for STRING, UTF-8 for TEXT. The
# serving process's own name, and nothing of the program's held open: only its X connection.
check "Exit: the forms offered" "$(xclip -o -selection clipboard -t TARGETS | sort | tr '\n' ' ')" \
    "STRING TARGETS TEXT TIMESTAMP UTF8_STRING "
check "Exit: STRING in Latin-1" "$(xclip -o -selection clipboard -t STRING | iconv -f latin1 -t utf-8)" \
    "$copied"
check "Exit: TEXT" "$(xclip -o -selection clipboard -t TEXT)" "$copied"
server=$(servers)
check "Exit: the serving process's name" "$(cat "/proc/$server/comm")" "quillary-clip"
check "Exit: what the serving process holds open" "$(ls "/proc/$server/fd" | wc -l)" "1"
another_copies "Exit"

start_and_copy "closing the window"
"$xhelper" close "$main"
wait_end
check "closing the window: text kept" "$(clipboard)" "$copied"
another_copies "closing the window"

"$work/app/quillary" &
pid=$!
main=$(wait_visible "$main_title") || fail "the main window did not appear"
click "$main" 464 452 # Exit, nothing copied
wait_end
[ -z "$(servers)" ] || fail "nothing copied, yet a process is left"
echo "ok - nothing copied: no process left"

# Stand-in managers, one for each way of meeting the request to save: the copy is the manager's
# only where it fetched a text form (answering or not); otherwise the program's process serves it.
for how in save fetch answer silent; do
    "$xhelper" manager "$how" > "$work/manager.out" &
    manager=$!
    for _ in $(seq 50); do grep -q ready "$work/manager.out" && break; sleep 0.1; done
    start_and_copy "a manager that does '$how'"
    click "$main" 464 452 # Exit
    wait_end
    case $how in
        save | fetch)
            # The program may end as soon as the manager has its text, before it says so.
            for _ in $(seq 50); do grep -q '^saved: ' "$work/manager.out" && break; sleep 0.1; done
            check "$how: the manager received the text" \
                "$(sed -n 's/^saved: //p' "$work/manager.out")" "$copied"
            # The program's process ends once the manager has the text: at its answer, or, for a
            # manager that never answers, after the time it is given.
            for _ in $(seq 20); do [ -z "$(servers)" ] && break; sleep 0.1; done
            [ -z "$(servers)" ] || fail "$how: the manager took the text, yet a process is left"
            echo "ok - $how: no process left" ;;
        *)
            # Past the time the manager is given: the program's process still serves the text.
            for _ in $(seq 50); do grep -q '^asked' "$work/manager.out" && break; sleep 0.1; done
            sleep 0.5
            check "$how: the text kept after the program ended" "$(clipboard)" "$copied"
            another_copies "$how" ;;
    esac
    case $how in
        save | answer) wait "$manager" || fail "$how: the stand-in manager failed" ;;
        *) kill "$manager" && wait "$manager" 2>/dev/null || true ;;
    esac
done

# Xfce's clipboard manager, which copies the clipboard at each change of its owner (1.6.2 every
# form, 1.6.6 the UTF-8 text) and never answers SAVE_TARGETS; it takes the clipboard back once the
# keeper's window is gone.
start_clipman "$work"
start_and_copy "with xfce4-clipman"
click "$main" 464 452 # Exit
wait_end
# The manager takes the clipboard back once the keeper's window is gone.
for _ in $(seq 30); do [ "$(clipboard)" = "$copied" ] && break; sleep 0.1; done
check "xfce4-clipman: the text kept" "$(clipboard)" "$copied"
check "xfce4-clipman: STRING in Latin-1" \
    "$(xclip -o -selection clipboard -t STRING | iconv -f latin1 -t utf-8)" "$copied"
for _ in $(seq 20); do [ -z "$(servers)" ] && break; sleep 0.1; done
[ -z "$(servers)" ] || fail "xfce4-clipman took the text, yet a process is left"
echo "ok - with xfce4-clipman: no process left"
stop_clipman
echo "1 passed, 0 failed"
