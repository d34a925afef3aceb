#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and what it depends on, then installs it for
# real, starts the installed program on an X server, and removes it again.
set -euo pipefail
build=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build"
rm -f tvirdex_*.deb
cpack -G DEB >/dev/null
deb=$(ls tvirdex_*.deb)
echo "built $deb"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/Tvirdex \
    ./usr/share/applications/bg.tvirdex.Tvirdex.desktop \
    ./usr/share/metainfo/bg.tvirdex.Tvirdex.metainfo.xml \
    ./usr/share/icons/hicolor/32x32/apps/bg.tvirdex.Tvirdex.png \
    ./usr/share/icons/hicolor/256x256/apps/bg.tvirdex.Tvirdex.png; do
    grep -q " $path\$" <<<"$contents" || fail "$path missing from the package"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Debian 13 names the Qt libraries for their 64-bit time_t ABI: libqt6core6t64.
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    grep -qE "(^|[ ,])${lib//+/\\+}(t64)?( |,|$)" <<<"$depends" || fail "$lib missing from Depends"
done

if [ "$(id -u)" -ne 0 ]; then
    echo "not root: skipping the real install"
    exit 77
fi
if dpkg-query -W tvirdex >/dev/null 2>&1; then
    echo "a tvirdex package is installed already: leaving it alone"
    exit 77
fi
trap 'dpkg -r tvirdex >/dev/null 2>&1 || true' EXIT
dpkg -i "$deb" >/dev/null || fail "dpkg -i failed"
[ -x /usr/bin/Tvirdex ] || fail "/usr/bin/Tvirdex not installed"
# Started on a private X server it must map its window and keep running until closed.
xvfb-run -a sh -c '/usr/bin/Tvirdex & pid=$!
    timeout 20 xdotool search --sync --onlyvisible --class Tvirdex >/dev/null || exit 3
    kill -0 $pid || exit 4
    kill $pid' || fail "installed program did not start (status $?)"
echo "installed, started and removed $deb"
