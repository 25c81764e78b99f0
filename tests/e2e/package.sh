#!/usr/bin/env bash
# The Debian package: built with CPack, unpacked into a temporary root, its files, link and
# metadata checked with Debian's and freedesktop's validators, and the unpacked program started
# through its menu entry's command in Xvfb with the packaged dictionary.
# Usage: package.sh BUILD-DIR (exits 77, skipped, without the Debian tools)
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -f "$build/data.dat" ] || { echo "skipped: no dictionary in $build (make data)"; exit 77; }
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
app_id=org.example.pemberlux.Quillary

(cd "$build" && cpack -B "$work/pkg" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/pkg/quillary_*_*.deb)
echo "ok - built $(basename "$deb")"
root="$work/root"
dpkg-deb -x "$deb" "$root"

expected="usr/bin/quillary
usr/lib/quillary/data.dat
usr/lib/quillary/quillary
usr/lib/quillary/quillary-clip
usr/share/applications/$app_id.desktop
usr/share/doc/quillary/changelog.gz
usr/share/doc/quillary/copyright
$(for s in 128 16 22 24 256 32 48 64; do echo "usr/share/icons/hicolor/${s}x$s/apps/quillary.png"; done)
usr/share/icons/hicolor/scalable/apps/quillary.svg
usr/share/man/man1/quillary.1.gz
usr/share/metainfo/$app_id.metainfo.xml"
check "the package's files" "$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)" \
    "$(LC_ALL=C sort <<<"$expected")"
check "the command links to the program" "$(readlink "$root/usr/bin/quillary")" "../lib/quillary/quillary"
cmp -s "$root/usr/lib/quillary/data.dat" "$build/data.dat" || fail "the packaged dictionary is not make data's"
echo "ok - the dictionary from make data"

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
echo "ok - desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml")"
echo "ok - appstreamcli validate"
# Errors and warnings both fail: none is left.
report=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^(E|W):' || true)
[ -z "$report" ] || fail "lintian: $report"
echo "ok - lintian: no errors or warnings"

# The menu entry's command, with the unpacked root's bin first on the path.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
PATH="$root/usr/bin:$PATH" $exec_line &
pid=$!
main=$(wait_visible "$main_title") || fail "the packaged program did not show its main window"
click "$main" 60 167 # the third row
click "$main" 336 452 # Copy Definition
third=$(sed -n 3p "$root/usr/lib/quillary/data.dat" | iconv -f WINDOWS-1252 -t UTF-8 | tr -d '\r')
check_clipboard "the packaged dictionary's third entry" "$third"
click "$main" 464 452 # Exit
printf 'other' | xclip -selection clipboard -loops 1 # ends the process that kept the copy
clipboard >/dev/null
wait_end
echo "1 passed, 0 failed"
