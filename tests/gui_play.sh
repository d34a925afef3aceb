#!/usr/bin/env bash
# Plays one pair in the real program on a real X server, with real input events, and reads the
# result off the screen. Run under xvfb-run; leaves screenshots in the folder given.
set -euo pipefail
exe=$1 out=$2 title=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=x_window.sh
source "$(dirname "$0")/x_window.sh"
cleanup() { kill "$app" "$wm" 2>/dev/null || true; }

# A window manager, as on a desktop: it draws the frame and delivers the close request.
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
# TVIRDEX_WRAP may name a tracer to run the program under (word-split on purpose).
# shellcheck disable=SC2086
${TVIRDEX_WRAP:-} "$exe" &
app=$!
trap cleanup EXIT

find_window 20 --class Tvirdex

import -window root "$out/gui-start.png"
[ "$(colours "$out/gui-start.png" 332 44 100 90)" = 1 ] || fail "picture display not empty at start"
[ "$(colours "$out/gui-start.png" 410 234 61 21)" = 1 ] || fail "correct counter not empty at start"

click 168 242 # "Флуорит": frame at 152,32, button at 8,200, near its indicator
click 24 122  # "4": frame at 8,32, button at 8,80
click 52 12   # "Изведи"
import -window root "$out/gui-play.png"
import -frame -window "$wid" "$out/gui-window.png" # what the README shows
[ "$(colours "$out/gui-play.png" 332 44 100 80)" -gt 50 ] || fail "no photo shown"
[ "$(colours "$out/gui-play.png" 346 234 61 21)" -gt 1 ] || fail "attempts counter still empty"
[ "$(colours "$out/gui-play.png" 410 234 61 21)" -gt 1 ] || fail "correct counter still empty"
# The matched pair is drawn retired, its captions grey: both buttons were repainted after the clicks.
for caption in "182 234 60 16" "36 114 20 16"; do
    # shellcheck disable=SC2086
    darkest=$(crop "$out/gui-play.png" $caption -colorspace Gray -format '%[fx:minima]' info:)
    awk -v d="$darkest" 'BEGIN { exit !(d > 0.3) }' || fail "a matched button still shows a black caption"
done

# Closing the window ends the program.
wmctrl -i -c "$wid"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "program still running after its window was closed"
wait "$app" || fail "program exited with status $?"
echo "gui play passed; screenshots in $out"
