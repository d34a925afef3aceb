#!/usr/bin/env bash
# The Windows build as a school gets it, in a fresh Wine prefix on a real X server: installs it
# silently (installer, msi) or unpacks it (portable), plays one pair with real X input, reads the
# result off the screen and closes the window. (Uninstalling is windows_installers.sh's part.)
# The program starts as in a pupil's Windows session: without the Unix variables Wine copies into
# the Windows environment, from the Start-menu shortcut (installer, msi) or from its folder in a
# Cyrillic path with spaces (portable). The installer plays again in dark mode, which must draw
# the same pixels; the zip under Windows 10, and under Windows 11 where this Wine can say so.
#   windows_play.sh installer|portable ARTIFACT OUT_DIR TITLE [DPI]
#   windows_play.sh msi ARTIFACT OUT_DIR TITLE DPI STAGED_FOLDER UPGRADE_CODE VERSION PUBLISHER
# DPI (96 unless given) is the screen's as Wine's LogPixels sets it: 144 is Windows' 150 %.
# The MSI must install STAGED_FOLDER file for file, under its fixed UPGRADE_CODE.
set -euo pipefail
mode=$1 artifact=$2 out=$3 title=$4 dpi=${5:-96}
[ "$mode" != msi ] || { staged=$6 upgrade_code=$7 version=$8 publisher=$9; }

fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND exited with $?" >&2' ERR
# shellcheck source=x_window.sh
source "$(dirname "$0")/x_window.sh"
# Not built yet: a skip that says why (CI, which builds it first, fails on any skip).
[ -f "$artifact" ] || { echo "SKIP: $artifact is missing; scripts/build-windows makes it"; exit 77; }
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh"
if [ "$dpi" != 96 ]; then
    # Where winecfg keeps the screen resolution, for the machine and for the user.
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    wineserver -w
    echo "screen set to $dpi dpi"
fi

# A pupil's session has no DISPLAY, XAUTHORITY or LANG, nor any other Unix variable: Wine gets
# only what it needs to draw, and the launcher clears those from the Windows environment. Then it
# does what Explorer does: starts the program in its working directory, and waits for its exit.
printf '%s\r\n' '@echo off' 'set DISPLAY=' 'set XAUTHORITY=' 'set LANG=' \
    'set > "%TEMP%\tvirdex-environment.txt"' 'cd /d %2' 'start "" /wait %1' 'exit %ERRORLEVEL%' \
    >"$drive_c/tvirdex-start.cmd"
windows_path() { local p=${1#"$drive_c"}; echo "C:${p//\//\\}"; }
# A Start-menu shortcut, read as Explorer reads it (Wine's own start does not wait on a shortcut):
# it must start Tvirdex.exe in the folder it is installed in.
from_shortcut() {
    local info
    info=$(lnkinfo "$1") || fail "the Start-menu entry is no readable shortcut"
    # Debian 13's lnkinfo doubles each backslash; the MSI's working directory ends in one.
    info=$(sed 's/\\\\/\\/g' <<<"$info")
    target=$(sed -n 's/^\tLocal path\t*: //p' <<<"$info")
    workdir=$(sed -n 's/^\tWorking directory\t*: //p' <<<"$info")
    workdir=${workdir%\\}
    local folder
    folder=$(windows_path "$install_dir")
    [ "$target" = "$folder\Tvirdex.exe" ] && [ "$workdir" = "$folder" ] ||
        fail "the Start-menu entry starts '$target' in '$workdir'"
}
case $mode in
installer)
    wine "$artifact" /S
    wineserver -w
    [ -f "$install_dir/Tvirdex.exe" ] || fail "the installer put no Tvirdex.exe in Program Files"
    [ -f "$install_dir/Uninstall.exe" ] || fail "the installer left no uninstaller"
    [ -f "$shortcut" ] || fail "no Start-menu entry «Твирдекс»"
    reg_export "$uninstall_key" | grep -q '"DisplayName"="Твирдекс"' ||
        fail "no entry «Твирдекс» in the list of installed programs"
    from_shortcut "$shortcut"
    ;;
msi)
    # What an administrator's deployment tool reads before it installs anything.
    properties=$(msiinfo export "$artifact" Property | tr -d '\r')
    for expected in "ProductName	Твирдекс" "ALLUSERS	1" "UpgradeCode	{$upgrade_code}" \
                    "ProductVersion	$version" "Manufacturer	$publisher"; do
        grep -qxF "$expected" <<<"$properties" ||
            fail "the MSI's Property table lacks '$expected'"
    done
    msiinfo suminfo "$artifact" | grep -q '^Template: x64;' || fail "the MSI is not for 64-bit Windows"
    run 0 msiexec /i "$artifact" /qn
    # Exactly the files the zip and the installer carry.
    holds "$staged" || fail "Program Files\\Tvirdex does not hold the packaged files"
    [ -f "$shortcut" ] || [ -f "$user_shortcut" ] || fail "no Start-menu entry «Твирдекс»"
    entry=$(reg_export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' |
                awk -v RS= '/"DisplayName"="Твирдекс"/')
    [ -n "$entry" ] || fail "no entry «Твирдекс» in the list of installed programs"
    for expected in "\"DisplayVersion\"=\"$version\"" "\"Publisher\"=\"$publisher\"" \
                    '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001'; do
        grep -qF "$expected" <<<"$entry" || fail "the uninstall entry lacks $expected"
    done
    size=$(sed -n 's/^"Size"="\([0-9]*\)"$/\1/p' <<<"$entry")
    [ "${size:-0}" -gt 1000 ] || fail "the uninstall entry gives no size (Size '$size' KiB)"
    reg_export 'HKLM\Software\Classes\Installer\Products' | grep -q '"ProductIcon"=".*Tvirdex' ||
        fail "the product registers no icon for the list of installed programs"
    echo "installed: packaged files, Start-menu entry, uninstall entry of $size KiB"
    if [ -f "$shortcut" ]; then from_shortcut "$shortcut"; else from_shortcut "$user_shortcut"; fi
    ;;
portable)
    # As a teacher keeps it: unpacked into a folder of their own, named in Bulgarian.
    unzip -q "$artifact" -d "$drive_c/unpacked"
    exe=$(find "$drive_c/unpacked" -name Tvirdex.exe | head -n 1)
    [ -n "$exe" ] || fail "no Tvirdex.exe in the zip"
    folder="$drive_c/Учебни програми/Твирдекс"
    mkdir -p "$(dirname "$folder")"
    mv "$(dirname "$exe")" "$folder"
    # Started as a double-click in Explorer starts it: in its own folder.
    workdir=$(windows_path "$folder") target=$(windows_path "$folder/Tvirdex.exe")
    ;;
*) fail "unknown mode $mode" ;;
esac

# What a reader sees in a rectangle: enlarged, then read by OCR (Bulgarian).
read_text() { crop "$1" "$2" "$3" "$4" "$5" -resize 400% -colorspace gray png:- |
                  tesseract stdin stdout -l bul --psm "$6" "${@:7}" 2>/dev/null | tr -d '\f'; }

# play NAME: starts $target in $workdir, plays one pair, reads the result off the screen
# and closes the window; leaves $out/windows-MODE-DPI-NAME-*.png, the client area in -client.png.
play() {
    local shot=$out/windows-$mode-$dpi-$1 message attempts correct leaked
    env -i HOME="$HOME" PATH="$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" \
        WINEPREFIX="$WINEPREFIX" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="$WINEDLLOVERRIDES" \
        wine cmd /c 'C:\tvirdex-start.cmd' "$target" "$workdir" &
    app=$!
    # By its exact title, a literal string rather than a pattern.
    find_window 60 --name "^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$title")\$"
    leaked=$(tr -d '\r' <"$drive_c/users/$(id -un)/Temp/tvirdex-environment.txt" | grep -E '^(DISPLAY|WAYLAND_DISPLAY|XAUTHORITY|XDG_[A-Z_]*|SHELL|TERM|LANG|LC_[A-Z]*|HOME|USER|QT_[A-Z_]*)=' || true)
    [ -z "$leaked" ] || fail "the program started with Unix variables: $leaked"

    screenshot "$shot-start.png"
    [ "$(colours "$shot-start.png" 332 44 100 90)" = 1 ] || fail "picture display not empty at start"
    click 168 242 # "Флуорит"
    click 24 122  # "4"
    click 52 12   # "Изведи"
    screenshot "$shot-play.png"
    xdotool getwindowname "$wid" >/dev/null 2>&1 || fail "the window went away during play"
    timeout 10 import -frame -window "$wid" "$shot-window.png"
    crop "$shot-play.png" 0 0 514 414 "$shot-client.png"
    [ "$(colours "$shot-play.png" 332 44 100 80)" -gt 50 ] || fail "no photo shown"
    message=$(read_text "$shot-play.png" 10 266 470 40 6)
    echo "message area reads: $(head -n 1 <<<"$message")"
    grep -q 'Правилно!' <<<"$message" || fail "the message area does not say «Правилно!»"
    local digits=(-c tessedit_char_whitelist=0123456789)
    attempts=$(read_text "$shot-play.png" 346 234 61 21 7 "${digits[@]}" | tr -d '[:space:]')
    correct=$(read_text "$shot-play.png" 410 234 61 21 7 "${digits[@]}" | tr -d '[:space:]')
    echo "counters read: $attempts / $correct"
    [ "$attempts" = 1 ] && [ "$correct" = 1 ] || fail "counters show '$attempts' and '$correct', not 1 and 1"

    close_and_wait
    echo "played ($1): $target in $workdir"
}

play win10-light
case $mode in
installer)
    # Dark mode, as Windows 10 and 11 set it for programs: the window keeps every colour.
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null
    wineserver -w
    play win10-dark
    differing=$(compare -metric AE "$out/windows-$mode-$dpi-win10-light-client.png" \
                    "$out/windows-$mode-$dpi-win10-dark-client.png" null: 2>&1) || true
    [ "$differing" = 0 ] || fail "dark mode changes $differing pixels of the window"
    echo "dark mode draws the same window as light mode"
    ;;
portable)
    windows_set win11
    build=$(windows_build)
    if [ "${build:-0}" -ge 22000 ]; then
        echo "Windows 11, build $build"
        play win11-light
    else
        echo "$(wine --version) stays at build $build when asked for Windows 11: played under Windows 10 only"
    fi
    ;;
esac

echo "windows $mode play at $dpi dpi passed; screenshots in $out"
