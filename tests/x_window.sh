# Shared by the scripts that play the real program on a display; sourced, with fail() defined.
# The display is an X server, or the sway compositor that on_wayland.sh starts (SWAYSOCK set),
# where the program runs as a native Wayland client.
# Coordinates are the window's own, at 96 dpi; at another dpi (set dpi before sourcing) they are
# scaled as the program scales its layout.
# shellcheck source=xvfb_screen.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_screen.sh"
dpi=${dpi:-96}
if [ -n "${SWAYSOCK:-}" ]; then display_kind=wayland; else display_kind=x11; fi
# at X: X scaled to the screen's dpi.
at() { echo $(($1 * dpi / 96)); }

# timeout_left DEADLINE: seconds left until DEADLINE (in $SECONDS), at least 1: `timeout 0`
# would mean no limit at all.
timeout_left() { local left=$(($1 - SECONDS)); echo $((left > 0 ? left : 1)); }

# start_wm: on X, a window manager as on a desktop, which draws the frame and delivers the close
# request; returns once it manages the screen. The compositor is the Wayland one's.
start_wm() {
    [ "$display_kind" = x11 ] || return 0
    local deadline=$((SECONDS + 20))
    openbox >/dev/null 2>&1 &
    wm=$!
    until wmctrl -m >/dev/null 2>&1; do
        kill -0 "$wm" 2>/dev/null || fail "openbox exited"
        [ "$SECONDS" -lt "$deadline" ] || fail "openbox did not take the screen"
        sleep 0.05
    done
}

# sway_window: the JSON of the program's window ($app's) in sway's tree, or nothing.
sway_window() {
    swaymsg -t get_tree 2>/dev/null |
        jq -c --argjson pid "$app" '.. | objects | select(.pid? == $pid and (.type == "con" or .type == "floating_con"))' |
        head -n 1
}

# find_window SECONDS XDOTOOL-SEARCH-ARGS...: waits for the program's window, checks its title
# against $title and its 514 x 414 client area (scaled to the dpi), and sets wid, x0 and y0 (the
# client area's top-left corner on the screen). With $app set, the program quitting first fails
# at once, with its exit status. On Wayland the window is found by $app's pid, and must be a
# native (xdg-shell) one.
find_window() {
    local deadline=$((SECONDS + $1)) name info width height status shell= left
    shift
    while :; do
        if [ -n "${app:-}" ] && ! kill -0 "$app" 2>/dev/null; then
            status=0
            wait "$app" || status=$?
            app=
            fail "the program exited with status $status before its window appeared"
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "no window appeared and stayed"
        if [ "$display_kind" = wayland ]; then
            info=$(sway_window)
            # Mapped: sway has given it its size.
            [ -n "$info" ] && [ "$(jq '.window_rect.width' <<<"$info")" -gt 0 ] || { sleep 0.05; continue; }
            wid=$(jq -r '.id' <<<"$info") name=$(jq -r '.name' <<<"$info") shell=$(jq -r '.shell' <<<"$info")
            width=$(jq '.window_rect.width' <<<"$info") height=$(jq '.window_rect.height' <<<"$info")
            x0=$(jq '.rect.x + .window_rect.x' <<<"$info") y0=$(jq '.rect.y + .window_rect.y' <<<"$info")
            break
        fi
        # At most 2 s at a time, to see the program quit meanwhile.
        left=$(timeout_left "$deadline")
        wid=$(timeout $((left < 2 ? left : 2)) xdotool search --sync --onlyvisible "$@" | head -n 1) || true
        [ -n "$wid" ] || continue
        # A window may be replaced while it is first shown (Wine does so at times): take one
        # that is still there once it has been painted and its picture has settled.
        settled_window_picture "$deadline" "$wid" || continue
        rm -f "$settled"
        name=$(xdotool getwindowname "$wid" 2>/dev/null) && info=$(xwininfo -id "$wid" 2>/dev/null) &&
            break
    done
    [ "$name" = "$title" ] || fail "title is '$name', expected '$title'"
    if [ "$display_kind" = x11 ]; then
        width=$(awk '/Width:/ {print $2}' <<<"$info")
        height=$(awk '/Height:/ {print $2}' <<<"$info")
        x0=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
        y0=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    else
        [ "$shell" = xdg_shell ] || fail "the window is a '$shell' one, not a native Wayland (xdg_shell) one"
    fi
    if [ "$display_kind" = wayland ]; then
        # sway may still add the title bar and move the client area after it first shows it: the
        # place and size must be the same after the picture has settled as before.
        local place=
        deadline=$((SECONDS + 20))
        until [ "$place" = "$x0,$y0,$width,$height" ]; do
            [ "$SECONDS" -lt "$deadline" ] || fail "the window did not settle in its place"
            place=$x0,$y0,$width,$height
            settled_window_picture "$deadline" || fail "the window's picture did not settle"
            rm -f "$settled"
            info=$(sway_window)
            x0=$(jq '.rect.x + .window_rect.x' <<<"$info") y0=$(jq '.rect.y + .window_rect.y' <<<"$info")
            width=$(jq '.window_rect.width' <<<"$info") height=$(jq '.window_rect.height' <<<"$info")
        done
    fi
    [ "$width" = "$(at 514)" ] && [ "$height" = "$(at 414)" ] ||
        fail "client area is ${width}x${height}, not $(at 514)x$(at 414)"
    echo "window $wid ($display_kind): ${width}x${height} at $x0,$y0, title '$name'"
}

# screenshot FILE: the whole screen.
screenshot() {
    if [ "$display_kind" = wayland ]; then grim -t png "$1"; else import -window root "$1"; fi
}

# client_picture FILE: the client area alone, as it is on the screen now.
client_picture() {
    if [ "$display_kind" = wayland ]; then
        grim -t png -g "$x0,$y0 $(at 514)x$(at 414)" "$1"
    else
        import -window "${2:-$wid}" "$1"
    fi
}

# settled_window_picture DEADLINE [WID]: waits until the window has been painted (more than one
# colour) and two pictures of it in a row are the same; fails (returns 1) at DEADLINE, or when
# the window is gone. Leaves the picture in $settled.
settled_window_picture() {
    local deadline=$1 previous
    settled=$(mktemp --suffix=.png) previous=$(mktemp --suffix=.png)
    while [ "$SECONDS" -lt "$deadline" ] && client_picture "$previous" "${2:-}" 2>/dev/null; do
        sleep 0.05
        client_picture "$settled" "${2:-}" 2>/dev/null || break
        if [ "$(convert "$settled" -format '%k' info:)" -gt 1 ] &&
            [ "$(compare -metric AE "$previous" "$settled" null: 2>&1)" = 0 ]; then
            rm -f "$previous"
            return 0
        fi
    done
    rm -f "$previous" "$settled"
    return 1
}

# crop SCREENSHOT X Y W H [convert options...]: a rectangle of the client area.
crop() { convert "$1" -crop "$(at "$4")x$(at "$5")+$((x0 + $(at "$2")))+$((y0 + $(at "$3")))" +repage "${@:6}"; }
# Number of distinct colours in a rectangle of the client area (X Y W H) of a screenshot.
colours() { crop "$@" -format '%k' info:; }

# changed_since PICTURE WHAT: waits (at most 10 s) until the client area differs from PICTURE
# and has settled, as each input the tests send changes it (a button checked, a photo or a
# counter shown); then removes PICTURE.
changed_since() {
    local after deadline=$((SECONDS + 10))
    after=$(mktemp --suffix=.png)
    until client_picture "$after" && [ "$(compare -metric AE "$1" "$after" null: 2>&1)" != 0 ]; do
        [ "$SECONDS" -lt "$deadline" ] || { rm -f "$1" "$after"; fail "$2 changed nothing"; }
        sleep 0.05
    done
    rm -f "$1" "$after"
    settled_window_picture "$deadline" || fail "the window did not settle after $2"
    rm -f "$settled"
}

# click X Y: a real click at a point of the client area, once the window has taken it.
click() {
    local before x=$((x0 + $(at "$1"))) y=$((y0 + $(at "$2")))
    before=$(mktemp --suffix=.png)
    client_picture "$before"
    xdotool mousemove --sync "$x" "$y" click 1
    changed_since "$before" "a click at $1,$2"
}

# keys KEY...: real key presses (X keysym names) to the focused window, once it has taken them.
# On Wayland they are the only input: the headless compositor has no pointer device.
keys() {
    local before
    before=$(mktemp --suffix=.png)
    client_picture "$before"
    if [ "$display_kind" = wayland ]; then
        wtype $(printf -- '-k %s ' "$@")
    else
        xdotool key --window "$wid" "$@"
    fi
    changed_since "$before" "the keys $*"
}

# close_and_wait: asks the window to close, as its title bar's close button does; the program
# must then end within 20 s, with status 0.
close_and_wait() {
    local closed=$SECONDS status=0
    if [ "$display_kind" = wayland ]; then swaymsg -q "[con_id=$wid] kill"; else wmctrl -i -c "$wid"; fi
    while kill -0 "$app" 2>/dev/null; do
        [ $((SECONDS - closed)) -lt 20 ] || fail "program still running 20 s after its window was closed"
        sleep 0.05
    done
    wait "$app" || status=$?
    app=
    [ "$status" = 0 ] || fail "program exited with status $status"
    echo "the program ended $((SECONDS - closed)) s after the close request"
}
