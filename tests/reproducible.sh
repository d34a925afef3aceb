#!/usr/bin/env bash
# reproducible.sh ROOT deb|windows: builds the packages a second time as someone else would, from
# a copy of the tree in another folder (a space and Cyrillic letters in its path), with another
# umask, locale and time zone and a clock a day and a half ahead, and requires the very bytes
# that scripts/build-deb or scripts/build-windows left in ROOT/build. diffoscope shows where
# two files differ.
set -euo pipefail
root=$1 kind=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$root/scripts/common.sh"

case $kind in
deb) build=scripts/build-deb first=("$root"/build/deb/tvirdex_*.deb) ;;
windows) build=scripts/build-windows first=("$root"/build/windows/Tvirdex-*-win64.{exe,msi,zip}) ;;
*) fail "usage: reproducible.sh ROOT deb|windows" ;;
esac
for file in "${first[@]}"; do
    [ -f "$file" ] || { echo "no $file: run $build first"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf --one-file-system "$tmp"' EXIT
second="$tmp/второ копие/tvirdex"
mkdir -p "$second"
copy_tree "$second"
# Both builds record the same source time (the last commit's, even though the copy is no git
# checkout). The clock moves, but not the files' times as tools see them.
SOURCE_DATE_EPOCH=$(source_date_epoch)
export SOURCE_DATE_EPOCH
(cd "$second" && umask 0077 &&
    env TZ=Asia/Tokyo LC_ALL=C LANGUAGE= NO_FAKE_STAT=1 faketime '+36 hours' "$build") \
    >"$tmp/build.log" 2>&1 || { tail -n 30 "$tmp/build.log"; fail "the second build failed"; }

status=0
for file in "${first[@]}"; do
    again=$second/${file#"$root"/}
    if cmp -s "$file" "$again"; then
        echo "same bytes: ${file#"$root"/}"
    else
        echo "FAIL: ${file#"$root"/} differs from its rebuild; diffoscope:"
        diffoscope --text - "$file" "$again" | head -n 80 || true
        status=1
    fi
done
exit "$status"
