#!/usr/bin/env bash
# Plays one pair in the real program on a real X server, with real input events, and reads the
# result off the screen. Run under xvfb-run; leaves screenshots in the folder given.
set -euo pipefail
exe=$1 out=$2 title=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
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

wid=$(timeout 20 xdotool search --sync --onlyvisible --class Tvirdex | head -n 1)
[ -n "$wid" ] || fail "no window appeared"
sleep 0.5

name=$(xdotool getwindowname "$wid")
[ "$name" = "$title" ] || fail "title is '$name', expected '$title'"
info=$(xwininfo -id "$wid")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
x0=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y0=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
[ "$width" = 514 ] && [ "$height" = 414 ] || fail "client area is ${width}x${height}"
echo "window $wid: ${width}x${height} at $x0,$y0, title '$name'"

# Number of distinct colours in a rectangle of the client area (x y w h) of a screenshot.
colours() { convert "$1" -crop "${4}x${5}+$((x0 + $2))+$((y0 + $3))" +repage -format '%k' info:; }
click() { xdotool mousemove --sync $((x0 + $1)) $((y0 + $2)) click 1; sleep 0.2; }

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

# Closing the window ends the program.
wmctrl -i -c "$wid"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "program still running after its window was closed"
wait "$app" || fail "program exited with status $?"
echo "gui play passed; screenshots in $out"
