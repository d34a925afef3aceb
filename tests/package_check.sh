#!/usr/bin/env bash
# The Debian package that scripts/build-deb left in build/deb: what it holds, what it depends on,
# lintian's verdict, and the program in it playing one pair, run from the unpacked package so
# that nothing is installed on this machine.
set -euo pipefail
root=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$(ls "$root"/build/deb/tvirdex_"$version"_*.deb 2>/dev/null) ||
    { echo "no build/deb/tvirdex_${version}_*.deb: run scripts/build-deb first"; exit 77; }
echo "checking $deb"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/Tvirdex \
    ./usr/share/applications/bg.tvirdex.Tvirdex.desktop \
    ./usr/share/metainfo/bg.tvirdex.Tvirdex.metainfo.xml \
    ./usr/share/icons/hicolor/32x32/apps/bg.tvirdex.Tvirdex.png \
    ./usr/share/icons/hicolor/256x256/apps/bg.tvirdex.Tvirdex.png \
    ./usr/share/man/man1/Tvirdex.1.gz ./usr/share/man/bg/man1/Tvirdex.1.gz \
    ./usr/share/doc/tvirdex/copyright; do
    grep -q " $path\$" <<<"$contents" || fail "$path missing from the package"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version (debian/changelog)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Debian 13 names the Qt libraries for their 64-bit time_t ABI: libqt6core6t64.
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    grep -qE "(^|[ ,])${lib//+/\\+}(t64)?( |,|$)" <<<"$depends" || fail "$lib missing from Depends"
done

# Debian takes no package with lintian errors; we allow no warnings either.
lintian --pedantic --info --fail-on error,warning "$deb" || fail "lintian: errors or warnings (above)"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
cd "$root"
TVIRDEX=$unpacked/usr/bin/Tvirdex debian/tests/play-one-pair || fail "the packaged program did not play a pair"
