#!/usr/bin/env bash
# Plays one pair in the real program on a real display, with real input events, and reads the
# result off the screen. Run under xvfb-run, or under on_wayland.sh as a native Wayland client;
# leaves screenshots in the folder given, named for the display (gui-*.png on X, wayland-*.png).
#   gui_play.sh EXE OUT TITLE [X11_CLIENT_PICTURE]
# With X11_CLIENT_PICTURE (gui-client.png of a run on X), the client area after the play must
# be the same, pixel for pixel.
set -euo pipefail
exe=$1 out=$2 title=$3 x11_client=${4:-}

fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=x_window.sh
source "$(dirname "$0")/x_window.sh"
cleanup() { kill "${app:-}" "${wm:-}" 2>/dev/null || true; }
trap cleanup EXIT
if [ "$display_kind" = wayland ]; then shots=$out/wayland; else shots=$out/gui; fi

start_wm
# TVIRDEX_WRAP may name a tracer to run the program under (word-split on purpose).
# shellcheck disable=SC2086
${TVIRDEX_WRAP:-} "$exe" &
app=$!

find_window 60 --class Tvirdex

screenshot "$shots-start.png"
[ "$(colours "$shots-start.png" 332 44 100 90)" = 1 ] || fail "picture display not empty at start"
[ "$(colours "$shots-start.png" 410 234 61 21)" = 1 ] || fail "correct counter not empty at start"

if [ "$display_kind" = x11 ]; then
    click 168 242 # "Флуорит": frame at 152,32, button at 8,200, near its indicator
    click 24 122  # "4": frame at 8,32, button at 8,80
    click 52 12   # "Изведи"
else
    # From the message area, where the focus starts: Tab into a column, Space checks its top
    # button, the arrows walk down it; then Tab to "Изведи" and Space.
    keys Tab space Down Down Down                                    # "4"
    keys Tab space Down Down Down Down Down Down Down Down Down      # "Флуорит", the last
    keys Tab space                                                   # "Изведи"
fi
screenshot "$shots-play.png"
crop "$shots-play.png" 0 0 514 414 "$shots-client.png"
# What the README shows: the window with its frame.
[ "$display_kind" = wayland ] || import -frame -window "$wid" "$out/gui-window.png"
[ "$(colours "$shots-play.png" 332 44 100 80)" -gt 50 ] || fail "no photo shown"
[ "$(colours "$shots-play.png" 346 234 61 21)" -gt 1 ] || fail "attempts counter still empty"
[ "$(colours "$shots-play.png" 410 234 61 21)" -gt 1 ] || fail "correct counter still empty"
# The matched pair is drawn retired, its captions grey: both buttons were repainted after the clicks.
for caption in "182 234 60 16" "36 114 20 16"; do
    # shellcheck disable=SC2086
    darkest=$(crop "$shots-play.png" $caption -colorspace Gray -format '%[fx:minima]' info:)
    awk -v d="$darkest" 'BEGIN { exit !(d > 0.3) }' || fail "a matched button still shows a black caption"
done
if [ -n "$x11_client" ]; then
    # The title bar is the compositor's or the toolkit's; the client area is the program's own.
    diff=$(compare -metric AE "$x11_client" "$shots-client.png" "$shots-client-diff.png" 2>&1) || true
    [ "$diff" = 0 ] || fail "the client area differs from X11's in $diff pixels (see $shots-client-diff.png)"
    echo "the client area equals X11's pixel for pixel"
fi

close_and_wait
echo "gui play passed on $display_kind; screenshots in $out"
