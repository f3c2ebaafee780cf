#!/usr/bin/env bash
# Installs every Debian package the project needs. Quiet when all is present;
# refreshes the package lists only when something is missing.
#   scripts/install-deps.sh          what building, running and testing need
#   scripts/install-deps.sh --fuzz   that, and clang with libFuzzer for the fuzz targets
#   scripts/install-deps.sh --windows  that, and 32-bit Wine and GoogleTest's sources for the
#                                      Windows build (scripts/windows.sh)
set -euo pipefail

packages=(
  build-essential cmake pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libxcb1-dev libsdl2-dev libvulkan-dev mesa-vulkan-drivers
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
  dbus dbus-bin at-spi2-core python3-pyatspi
  libinih-dev libsimpleini-dev locales-all
  g++-mingw-w64-i686-posix
  dpkg-dev desktop-file-utils appstream
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
if [ "${1:-}" = "--windows" ]; then
  # 32-bit Wine for the 32-bit program, beside 64-bit Wine so that the test
  # prefix is a 64-bit Windows running it as most players' machines do, and
  # 32-bit OpenGL, without which Wine's Direct3D cannot start in a 32-bit
  # process.
  packages+=(wine32:i386 wine64 googletest libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [[ " ${missing[*]}" == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
