#!/usr/bin/env bash
# The real program in environments a school PC may give it.
# Usage: gui_environment.sh CHECK EXE OUT TITLE
set -euo pipefail
check=$1 exe=$2 out=$3 title=$4
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=xvfb_screen.sh
source "$here/xvfb_screen.sh"

# Starts the program on its own X server and saves a picture of its window to $1, once it has
# been painted and has settled.
screenshot_window() {
    xvfb-run -a -s "$xvfb_screen" bash -c '
        set -euo pipefail
        fail() { echo "FAIL: $*" >&2; exit 1; }
        source "$1/x_window.sh"
        title=$3
        "$2" & app=$!
        trap "kill \$app 2>/dev/null || true" EXIT
        find_window 60 --class Tvirdex
        settled_window_picture $((SECONDS + 20)) || fail "the window did not settle"
        mv "$settled" "$4"' bash "$here" "$exe" "$title" "$1"
}

case $check in
lang-c)
    # The texts are built in as Unicode: the C locale must draw exactly what UTF-8 draws.
    LANG=C.UTF-8 LC_ALL=C.UTF-8 screenshot_window "$out/env-utf8.png"
    LANG=C LC_ALL=C screenshot_window "$out/env-lang-c.png"
    diff=$(compare -metric AE "$out/env-utf8.png" "$out/env-lang-c.png" null: 2>&1) || true
    [ "$diff" = 0 ] || fail "window under LANG=C differs from UTF-8 in $diff pixels"
    echo "LANG=C draws the same window as C.UTF-8"
    ;;
dark)
    # A dark desktop theme that Qt reads (GTK's Adwaita:dark through Qt's gtk3 platform theme,
    # whose dark palette Qt 6.5 and later hand to the widgets) must not change one pixel.
    export QT_QPA_PLATFORMTHEME=gtk3
    QT_DEBUG_PLUGINS=1 GTK_THEME=Adwaita screenshot_window "$out/env-light.png" 2>"$out/env-light.log"
    grep -q 'qgtk3.*loaded\|loaded.*qgtk3' "$out/env-light.log" || fail "Qt did not load its gtk3 platform theme"
    GTK_THEME=Adwaita:dark screenshot_window "$out/env-dark.png"
    diff=$(compare -metric AE "$out/env-light.png" "$out/env-dark.png" null: 2>&1) || true
    [ "$diff" = 0 ] || fail "a dark GTK theme changes $diff pixels of the window"
    echo "the dark GTK theme draws the same window as the light one"
    ;;
no-display)
    # Without any display it must fail with one line that says what to do, not hang (the
    # timeout); its time is printed, not judged, as a busy machine may take long to start it.
    start=$(date +%s%N)
    status=0
    msg=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$exe" 2>&1) || status=$?
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    echo "status $status after $ms ms: $msg"
    [ "$status" = 2 ] || fail "exit status $status, not 2 (124: it hung)"
    [ "$(wc -l <<<"$msg")" = 1 ] || fail "expected one line"
    grep -q 'xvfb-run' <<<"$msg" || fail "message does not say how to run without a screen"
    ;;
no-files)
    # Over a whole scripted play it writes no file of its own and opens no network socket.
    # Outside $out, whose path may hold spaces: TVIRDEX_WRAP is split at them.
    log=$(mktemp --suffix=-strace.log)
    trap 'rm -f "$log"' EXIT
    TVIRDEX_WRAP="strace -f -qq -o $log -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,symlink,truncate,socket,connect,bind" \
        xvfb-run -a -s "$xvfb_screen" "$here/gui_play.sh" "$exe" "$out" "$title"
    # A trace that missed the program would find nothing wrong: it must show Qt being loaded.
    grep -q 'libQt6Core' "$log" || fail "the trace shows no Qt library opened: strace did not follow the program"
    # Writes the platform makes are named here: the null device, Qt's runtime directory and
    # fontconfig's cache. Anything else that opens for writing or changes the file system fails.
    writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|mkdir|rename|unlink|link\(|truncate' "$log" |
        grep -vE '= -1 ' |
        grep -vE '"/dev/null"|"/tmp/runtime-[^"]*"|/fontconfig/' || true)
    [ -z "$writes" ] || fail "files written: $writes"
    sockets=$(grep -E '(socket|connect|bind)\(' "$log" | grep -v 'AF_UNIX' || true)
    [ -z "$sockets" ] || fail "non-local sockets: $sockets"
    echo "no file written, only local (AF_UNIX) sockets: $(grep -c 'socket(' "$log") socket calls traced"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
