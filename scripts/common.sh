# Shared by the scripts: what the project needs on Debian 12 and 13 (every name exists in both),
# and the build.
# shellcheck shell=bash

root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation2)
test_packages=(xvfb xauth dbus-daemon binutils xdotool x11-utils imagemagick openbox wmctrl
               desktop-file-utils appstream dpkg-dev file strace fonts-dejavu-core
               qt6-gtk-platformtheme qt6-wayland sway grim wtype jq)
# The Windows build (MinGW-w64, Qt's source, the installer and MSI makers) and its tests under Wine.
windows_build_packages=(cmake ninja-build qt6-base-dev dpkg-dev g++-mingw-w64-x86-64-posix nsis wixl
                        msitools)
windows_test_packages=(wine wine64 python3-pefile xvfb xauth xdotool x11-utils imagemagick openbox
                       wmctrl unzip tesseract-ocr tesseract-ocr-bul msitools liblnk-utils)

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
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

# Configures and builds one preset of CMakePresets.json.
build_preset() {
    local preset=$1
    shift
    cmake -S "$root_dir" --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset"
}
