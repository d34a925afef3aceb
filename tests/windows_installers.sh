#!/usr/bin/env bash
# windows_installers.sh ROOT VERSION: the installer and the MSI on one PC under Wine, as an
# administrator meets them. Each refuses to install over the other's copy, with a non-zero
# status under /S and /qn, and leaves that copy whole; the next version of each, which ships one
# file fewer, replaces this one so that the folder holds exactly its files; uninstalling it then
# leaves no file, Start-menu entry or entry in the list of installed programs.
set -euo pipefail
root=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND exited with $?" >&2' ERR

first=$root/build/windows/Tvirdex-$version-win64
for file in "$first.exe" "$first.msi"; do
    [ -f "$file" ] || { echo "SKIP: $file is missing; scripts/build-windows makes it"; exit 77; }
done
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh"

# The next version, from a copy of this source: the minor version one up, one licence text fewer.
later_src=$prefix/later
mkdir -p "$later_src"
(source "$root/scripts/common.sh" && copy_tree "$later_src")
sed -i -E 's/^(project\(Tvirdex VERSION [0-9]+)\.([0-9]+) /echo "\1.$((\2 + 1)) "/e' "$later_src/CMakeLists.txt"
sed -i 's/ GPL-2.0-only / /' "$later_src/packaging/windows/package.cmake"
(cd "$later_src" && scripts/build-windows) >"$prefix/later-build.log" 2>&1 ||
    { tail -n 20 "$prefix/later-build.log"; fail "the next version did not build"; }
second=$(ls -d "$later_src"/build/windows/Tvirdex-*-win64)
later=$(sed -E 's/.*Tvirdex-(.*)-win64$/\1/' <<<"$second")
[ -f "$first/licenses/GPL-2.0-only.txt" ] && [ ! -e "$second/licenses/GPL-2.0-only.txt" ] ||
    fail "the next version does not drop licenses/GPL-2.0-only.txt"
echo "next version $later built; it ships licenses/GPL-2.0-only.txt no more"

entries() { reg_export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' | grep -c '"DisplayName"="Твирдекс"' || true; }
nothing_left() {
    [ ! -e "$install_dir" ] || fail "$1 left: $(cd "$install_dir" && find . -mindepth 1)"
    [ "$(entries)" = 0 ] || fail "$1 left an entry in the list of installed programs"
    [ ! -e "$shortcut" ] && [ ! -e "$user_shortcut" ] || fail "$1 left the Start-menu entry"
}

# The installer's copy: the MSI refuses it, and the copy stays whole and the installer's.
run 0 "$first.exe" /S
run 1603 msiexec /i "$first.msi" /qn
holds "$first" Uninstall.exe || fail "the refused MSI changed the installer's copy"
[ "$(entries)" = 1 ] || fail "the refused MSI registered itself"
echo "MSI over the installer's copy: refused with status 1603, the copy untouched"
# ...and the next installer replaces it: exactly the next version's files.
run 0 "$second.exe" /S
holds "$second" Uninstall.exe || fail "after the upgrade the folder is not exactly $later's"
reg_export "$uninstall_key" | grep -qF "\"DisplayVersion\"=\"$later\"" || fail "the entry is not $later's"
run 0 "$install_dir/Uninstall.exe" /S
nothing_left "the installer's uninstaller"
echo "installer $version -> $later: exactly $later's files, then nothing left"

# The MSI's copy: the installer refuses it, with the same care.
run 0 msiexec /i "$first.msi" /qn
run 2 "$first.exe" /S
holds "$first" || fail "the refused installer changed the MSI's copy"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the refused installer registered itself"
echo "installer over the MSI's copy: refused with status 2, the copy untouched"
run 0 msiexec /i "$second.msi" /qn
holds "$second" || fail "after the upgrade the folder is not exactly $later's"
[ "$(entries)" = 1 ] || fail "the upgrade left $(entries) entries in the list of installed programs"
run 0 msiexec /x "$second.msi" /qn
nothing_left "msiexec /x"
echo "MSI $version -> $later: exactly $later's files, then nothing left"
