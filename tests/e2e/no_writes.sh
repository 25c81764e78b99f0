#!/usr/bin/env bash
# The whole user journey (start, select, copy, filter, GO, About, Go Back, Exit, and a start
# without a dictionary) under strace: the program must write, create, rename or delete nothing.
# Usage: no_writes.sh QUILLARY GRAB-WINDOW
set -euo pipefail
here=$(dirname "$0")
log=$(mktemp)
trap 'rm -f "$log"' EXIT
calls=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,truncate,ftruncate
calls=$calls,link,linkat,symlink,symlinkat
bash "$here/xvfb_journey.sh" "$1" "$2" strace -f -qq -A -o "$log" -e trace=$calls

# Allowed, and why:
# - /dev/null opened read-write: a child of libdbus sets up its standard streams while it tries to
#   start a session bus for Qt; nothing reaches a disk.
# - mkdir of /tmp/runtime-<user>: Qt's fallback runtime folder when XDG_RUNTIME_DIR is unset (as
#   in CI); a desktop session has its own. Qt makes it, not the program, and puts nothing in it.
# - fontconfig's cache folders: fontconfig refreshes its own cache when fonts changed.
allowed='"/dev/null"|"/tmp/runtime-[^"/]*"|/fontconfig'
writes=$(grep -E '(open|openat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)|(creat|rename|renameat|renameat2|unlink|unlinkat|mkdir|mkdirat|truncate|ftruncate|link|linkat|symlink|symlinkat)\(' "$log" |
    grep -v -E '= -1 E(NOENT|EXIST|ACCES|PERM|ROFS|NOTDIR|ISDIR)' |
    grep -v -E "$allowed" || true)
opened=$(grep -c -E 'open(at)?\(' "$log" || true)
if [ -n "$writes" ]; then
    echo "FAIL: the program wrote to the file system:"
    echo "$writes"
    echo "0 passed, 1 failed"
    exit 1
fi
echo "ok - $opened file opens traced, none for writing"
echo "1 passed, 0 failed"
