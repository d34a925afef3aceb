# Shared by the scripts that play the real program on an X server; sourced, with fail() defined.

# find_window SECONDS XDOTOOL-SEARCH-ARGS...: waits for the program's window, checks its title
# against $title and its 514 x 414 client area, and sets wid, x0 and y0 (the client area's
# top-left corner on the screen).
find_window() {
    local deadline=$((SECONDS + $1)) name info width height
    shift
    while :; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no window appeared and stayed"
        wid=$(timeout $((deadline - SECONDS)) xdotool search --sync --onlyvisible "$@" |
                  head -n 1) || true
        [ -n "$wid" ] || continue
        sleep 1
        # A window may be replaced while it is first shown (Wine does so at times): take the
        # one that is still there a second later.
        name=$(xdotool getwindowname "$wid" 2>/dev/null) && info=$(xwininfo -id "$wid" 2>/dev/null) &&
            break
    done
    [ "$name" = "$title" ] || fail "title is '$name', expected '$title'"
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
    x0=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y0=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    [ "$width" = 514 ] && [ "$height" = 414 ] || fail "client area is ${width}x${height}"
    echo "window $wid: ${width}x${height} at $x0,$y0, title '$name'"
}

# crop SCREENSHOT X Y W H [convert options...]: a rectangle of the client area.
crop() { convert "$1" -crop "${4}x${5}+$((x0 + $2))+$((y0 + $3))" +repage "${@:6}"; }
# Number of distinct colours in a rectangle of the client area (X Y W H) of a screenshot.
colours() { crop "$@" -format '%k' info:; }
# A real click at a point of the client area.
click() { xdotool mousemove --sync $((x0 + $1)) $((y0 + $2)) click 1; sleep 0.3; }
