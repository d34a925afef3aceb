# Shared by the Windows tests; sourced with fail() defined. Runs the caller on a private X server
# of 96 dpi (re-executing it under xvfb-run), in a fresh 64-bit Wine prefix that reports
# Windows 10, with a window manager; removes it all on exit.
# shellcheck shell=bash
# shellcheck source=xvfb_screen.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_screen.sh"
if [ -z "${TVIRDEX_ON_XVFB:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed"; exit 77; }
    TVIRDEX_ON_XVFB=1 exec xvfb-run -a -s "$xvfb_screen" "$0" "$@"
fi

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
# Windows 10: a new prefix of Debian 12's Wine reports Windows 7, which Qt 6 does not support.
# The version is read as programs see it (winecfg prints nothing into a pipe on Wine 10): `ver`
# prints 10.0.BUILD, and Windows 11 is build 22000 or later.
windows_set() { wine winecfg /v "$1" >/dev/null 2>&1 || true; }
windows_build() { wine cmd /c ver | tr -d '\r' | sed -n 's/^Microsoft Windows 10\.0\.\([0-9]*\).*/\1/p'; }
windows_set win10
build=$(windows_build)
[ -n "$build" ] && [ "$build" -lt 22000 ] || fail "Wine reports '$(wine cmd /c ver | tr -d '\r')', not Windows 10"
echo "Windows 10, build $build"

drive_c=$prefix/drive_c
install_dir="$drive_c/Program Files/Tvirdex"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tvirdex'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Твирдекс.lnk"
# Wine's msiexec puts an MSI's Start-menu entry in the user's own menu, as it does not yet follow
# ALLUSERS for ProgramMenuFolder.
user_shortcut="$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Твирдекс.lnk"
# run STATUS PROGRAM ARGS...: runs a Windows program to its end and requires its exit status
# (as Unix passes it on: its low byte, so 1603 comes out as 67).
run() {
    local expected=$1 status=0
    shift
    wine "$@" || status=$?
    wineserver -w
    [ "$status" = $((expected % 256)) ] ||
        fail "$(basename "$1") ${*:2}: status $status, expected $expected"
}
# Exported, since the console would show the Cyrillic names in its own code page.
reg_export() {
    wine reg export "$1" "$drive_c/export.reg" /y >/dev/null &&
        iconv -f UTF-16 -t UTF-8 "$drive_c/export.reg" | tr -d '\r'
}
# holds STAGED_FOLDER [FILE...]: the installed folder holds exactly the staged files, byte for
# byte, besides the FILEs named (the installer's own uninstaller).
holds() {
    local staged=$1 extra
    shift
    for extra; do [ -f "$install_dir/$extra" ] || { echo "no $extra" >&2; return 1; }; done
    diff <(cd "$staged" && find . -type f -exec sha256sum {} + | sort -k2) \
         <(cd "$install_dir" && find . -type f -exec sha256sum {} + | sort -k2 |
               grep -vFf <(for extra; do printf '  ./%s\n' "$extra"; done; echo '//none//')) >&2
}
