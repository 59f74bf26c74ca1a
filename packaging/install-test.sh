#!/usr/bin/env bash
# Installs the build into a staging folder (DESTDIR) under the prefix /usr/local and checks that
# everything is where the program and the desktop look for it.
# usage: install-test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr/local >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
root="$stage/usr/local"
program="$root/lib/velkor"

[ -x "$program/velkor" ] || fail "the program is not in $program"
[ -s "$program/velkors.qch" ] || fail "the help file is not beside the program"
for name in tutorial.txt tutorial.log; do
    cmp -s "$program/Tutorial/$name" "$source/help/tutorial/$name" || fail "Tutorial/$name differs from the sample"
done
if [ -e "$build/vkrept" ] || [ -e "$build/reporter/vkrept" ]; then
    [ -x "$program/vkrept" ] || fail "the reporter was built but not installed beside the program"
fi

link="$root/bin/velkor"
[ -L "$link" ] || fail "bin/velkor is not a link"
[ "$(readlink "$link")" = "../lib/velkor/velkor" ] || fail "bin/velkor points at $(readlink "$link")"
[ "$(readlink -f "$link")" = "$(readlink -f "$program/velkor")" ] || fail "bin/velkor does not lead to the program"

desktop="$root/share/applications/velkor.desktop"
[ -f "$desktop" ] || fail "no menu entry"
grep -qx 'Exec=/usr/local/lib/velkor/velkor' "$desktop" || fail "Exec is not the installed program"
grep -qx 'Path=/usr/local/lib/velkor' "$desktop" || fail "the entry does not start in the program folder"
grep -qx 'Icon=velkor' "$desktop" || fail "the entry names no icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
fi

for size in 16 32 48 64 128 256; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/velkor.png"
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
    # The PNG header holds the width and height at bytes 16 to 23.
    [ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')" = " 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
        fail "the ${size}x${size} icon has another size"
done
[ -s "$root/share/icons/hicolor/scalable/apps/velkor.svg" ] || fail "no scalable icon"
echo "installation complete in $stage"
