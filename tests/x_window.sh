# Shared by the scripts that play the real program on an X server; sourced, with fail() defined.
# Coordinates are the window's own, at 96 dpi; at another dpi (set dpi before sourcing) they are
# scaled as the program scales its layout.
dpi=${dpi:-96}
# at X: X scaled to the screen's dpi.
at() { echo $(($1 * dpi / 96)); }

# find_window SECONDS XDOTOOL-SEARCH-ARGS...: waits for the program's window, checks its title
# against $title and its 514 x 414 client area (scaled to the dpi), and sets wid, x0 and y0 (the
# client area's top-left corner on the screen). With $app set, the program quitting first fails
# at once, with its exit status.
find_window() {
    local deadline=$((SECONDS + $1)) name info width height status
    shift
    while :; do
        if [ -n "${app:-}" ] && ! kill -0 "$app" 2>/dev/null; then
            status=0
            wait "$app" || status=$?
            app=
            fail "the program exited with status $status before its window appeared"
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "no window appeared and stayed"
        wid=$(timeout 2 xdotool search --sync --onlyvisible "$@" | head -n 1) || true
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
    [ "$width" = "$(at 514)" ] && [ "$height" = "$(at 414)" ] ||
        fail "client area is ${width}x${height}, not $(at 514)x$(at 414)"
    echo "window $wid: ${width}x${height} at $x0,$y0, title '$name'"
}

# crop SCREENSHOT X Y W H [convert options...]: a rectangle of the client area.
crop() { convert "$1" -crop "$(at "$4")x$(at "$5")+$((x0 + $(at "$2")))+$((y0 + $(at "$3")))" +repage "${@:6}"; }
# Number of distinct colours in a rectangle of the client area (X Y W H) of a screenshot.
colours() { crop "$@" -format '%k' info:; }
# A real click at a point of the client area.
click() { xdotool mousemove --sync $((x0 + $(at "$1"))) $((y0 + $(at "$2"))) click 1; sleep 0.3; }
