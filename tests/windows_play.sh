#!/usr/bin/env bash
# The Windows build as a school gets it, in a fresh Wine prefix on a real X server: installs it
# silently (installer) or unpacks it (portable), plays one pair with real X input, reads the
# result off the screen, closes the window, and for the installer uninstalls it again.
#   windows_play.sh installer|portable ARTIFACT OUT_DIR TITLE
set -euo pipefail
mode=$1 artifact=$2 out=$3 title=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND exited with $?" >&2' ERR
# shellcheck source=x_window.sh
source "$(dirname "$0")/x_window.sh"
if [ -z "${TVIRDEX_ON_XVFB:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed"; exit 77; }
    # A screen as a classroom PC's: 96 dpi.
    TVIRDEX_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
[ -f "$artifact" ] || fail "$artifact is missing; scripts/build-windows makes it"

prefix=$(mktemp -d)
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# No dialogs offering to download Mono or Gecko: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    kill "${app:-}" "${wm:-}" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT

openbox >/dev/null 2>&1 &
wm=$!
start=$SECONDS
wineboot -i >/dev/null 2>&1
wineserver -w
echo "fresh Wine prefix ($(wine --version)) in $((SECONDS - start)) s"

drive_c=$prefix/drive_c
install_dir="$drive_c/Program Files/Tvirdex"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tvirdex'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Твирдекс.lnk"
case $mode in
installer)
    wine "$artifact" /S
    wineserver -w
    [ -f "$install_dir/Tvirdex.exe" ] || fail "the installer put no Tvirdex.exe in Program Files"
    [ -f "$install_dir/Uninstall.exe" ] || fail "the installer left no uninstaller"
    [ -f "$shortcut" ] || fail "no Start-menu entry «Твирдекс»"
    # Exported, since the console would show the Cyrillic name in its own code page.
    wine reg export "$uninstall_key" "$drive_c/uninstall.reg" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$drive_c/uninstall.reg" | grep -q '"DisplayName"="Твирдекс"' ||
        fail "no entry «Твирдекс» in the list of installed programs"
    exe=$install_dir/Tvirdex.exe
    ;;
portable)
    # As from a USB stick: any folder, nothing installed.
    unzip -q "$artifact" -d "$drive_c/usb"
    exe=$(find "$drive_c/usb" -name Tvirdex.exe | head -n 1)
    [ -n "$exe" ] || fail "no Tvirdex.exe in the zip"
    ;;
*) fail "unknown mode $mode" ;;
esac

wine "$exe" &
app=$!
# By its exact title, a literal string rather than a pattern.
find_window 60 --name "^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$title")\$"
# What a reader sees in a rectangle: enlarged, then read by OCR (Bulgarian).
read_text() { crop "$1" "$2" "$3" "$4" "$5" -resize 400% -colorspace gray png:- |
                  tesseract stdin stdout -l bul --psm "$6" "${@:7}" 2>/dev/null | tr -d '\f'; }

shot=$out/windows-$mode
import -window root "$shot-start.png"
[ "$(colours "$shot-start.png" 332 44 100 90)" = 1 ] || fail "picture display not empty at start"

click 168 242 # "Флуорит"
click 24 122  # "4"
click 52 12   # "Изведи"
sleep 0.5
import -window root "$shot-play.png"
xdotool getwindowname "$wid" >/dev/null 2>&1 || fail "the window went away during play"
timeout 10 import -frame -window "$wid" "$shot-window.png"
[ "$(colours "$shot-play.png" 332 44 100 80)" -gt 50 ] || fail "no photo shown"
message=$(read_text "$shot-play.png" 10 266 470 40 6)
echo "message area reads: $(head -n 1 <<<"$message")"
grep -q 'Правилно!' <<<"$message" || fail "the message area does not say «Правилно!»"
digits=(-c tessedit_char_whitelist=0123456789)
attempts=$(read_text "$shot-play.png" 346 234 61 21 7 "${digits[@]}" | tr -d '[:space:]')
correct=$(read_text "$shot-play.png" 410 234 61 21 7 "${digits[@]}" | tr -d '[:space:]')
echo "counters read: $attempts / $correct"
[ "$attempts" = 1 ] && [ "$correct" = 1 ] || fail "counters show '$attempts' and '$correct', not 1 and 1"

# Closing the window ends the program, with status 0.
wmctrl -i -c "$wid"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "program still running after its window was closed"
wait "$app" || fail "program exited with status $?"
app=

if [ "$mode" = installer ]; then
    wine "$install_dir/Uninstall.exe" /S
    wineserver -w
    [ ! -e "$install_dir" ] || fail "the uninstaller left: $(cd "$install_dir" && find . -mindepth 1)"
    [ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
    ! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
    echo "uninstalled: no file, shortcut or uninstall entry left"
fi
echo "windows $mode play passed; screenshots in $out"
