#!/usr/bin/env bash
# on_wayland.sh COMMAND...: runs COMMAND on a headless Wayland desktop of its own, as xvfb-run
# does on X: the sway compositor with one 1024 x 768 output at scale 1, no X server (DISPLAY
# unset, no Xwayland), WAYLAND_DISPLAY and SWAYSOCK set. sway refuses to run as root, so there it
# runs as nobody; the clients keep a runtime folder of their own.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=x_window.sh
source "$(dirname "$0")/x_window.sh"

dir=$(mktemp -d)
compositor= keyboard=
cleanup() {
    [ -z "$keyboard" ] || kill "$keyboard" 2>/dev/null || true
    [ -z "$compositor" ] || kill "$compositor" 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT
mkdir -m 700 "$dir/sway" "$dir/client"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$dir/sway"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 755 "$dir"
cat >"$dir/config" <<'CONFIG'
output HEADLESS-1 resolution 1024x768 scale 1 position 0 0
xwayland disable
default_border normal
CONFIG
chmod 644 "$dir/config"

env -i PATH="$PATH" HOME="$dir/sway" XDG_RUNTIME_DIR="$dir/sway" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as_user[@]}" sway -c "$dir/config" >"$dir/sway.log" 2>&1 &
compositor=$!
deadline=$((SECONDS + 30))
until socket=$(find "$dir/sway" -maxdepth 1 -name 'wayland-*' -type s | head -n 1) && [ -n "$socket" ] &&
    ipc=$(find "$dir/sway" -maxdepth 1 -name 'sway-ipc.*' -type s | head -n 1) && [ -n "$ipc" ] &&
    SWAYSOCK=$ipc swaymsg -t get_outputs >/dev/null 2>&1; do
    kill -0 "$compositor" 2>/dev/null || { cat "$dir/sway.log" >&2; fail "sway exited"; }
    [ "$SECONDS" -lt "$deadline" ] || { cat "$dir/sway.log" >&2; fail "sway did not start within 30 s"; }
    sleep 0.05
done

# A keyboard that stays plugged in, as on a desktop: each wtype that types adds its own virtual
# one for as long as it runs, and a client that saw no keyboard at all may miss its first keys.
WAYLAND_DISPLAY=$socket XDG_RUNTIME_DIR="$dir/client" wtype -s 2000000000 &
keyboard=$!
until SWAYSOCK=$ipc swaymsg -t get_seats | grep -q '"capabilities": [1-9]'; do
    kill -0 "$keyboard" 2>/dev/null || fail "wtype exited"
    [ "$SECONDS" -lt "$deadline" ] || fail "the virtual keyboard did not appear within 30 s"
    sleep 0.05
done

status=0
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc" \
    XDG_RUNTIME_DIR="$dir/client" "$@" || status=$?
exit "$status"
