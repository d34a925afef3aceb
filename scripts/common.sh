# Shared by the scripts: what the project needs on Debian 12 and 13 (every name exists in both),
# and the build.
# shellcheck shell=bash

root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation2)
test_packages=(xvfb xauth dbus-daemon binutils xdotool x11-utils imagemagick openbox wmctrl
               desktop-file-utils appstream dpkg-dev file strace fonts-dejavu-core
               qt6-gtk-platformtheme qt6-wayland sway grim wtype jq)
# The Debian package, built the Debian way, and the tools that check it.
deb_packages=(build-essential debhelper dpkg-dev lintian diffoscope-minimal faketime)
# The Windows build (MinGW-w64, Qt's source, the installer and MSI makers) and its tests under Wine.
windows_build_packages=(cmake ninja-build qt6-base-dev dpkg-dev g++-mingw-w64-x86-64-posix nsis wixl
                        msitools faketime)
windows_test_packages=(wine wine64 python3-pefile xvfb xauth xdotool x11-utils imagemagick openbox
                       wmctrl unzip tesseract-ocr tesseract-ocr-bul msitools liblnk-utils)

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "$(basename "$0"): '$*' needs root, and there is no sudo: run this as root" >&2
        return 1
    fi
}

# Installs the Debian packages that are not installed yet; does nothing when all are there.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# copy_tree DEST: the tree as it is now, committed or not, without build output.
copy_tree() {
    if git -C "$root_dir" rev-parse --git-dir >/dev/null 2>&1; then
        git -C "$root_dir" ls-files -z --cached --others --exclude-standard |
            (cd "$root_dir" && tar --null -T - -cf -) | tar -xf - -C "$1"
    else
        tar -C "$root_dir" --exclude=./build -cf - . | tar -xf - -C "$1"
    fi
}

# The time every package records for its files: the last commit's, so that two builds of one
# commit are the same bytes; outside a git checkout, the time debian/changelog gives.
source_date_epoch() {
    git -C "$root_dir" log -1 --format=%ct 2>/dev/null ||
        dpkg-parsechangelog -l "$root_dir/debian/changelog" -S Timestamp
}

# Configures and builds one preset of CMakePresets.json.
build_preset() {
    local preset=$1
    shift
    cmake -S "$root_dir" --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset"
}
