# Shared by the set-up scripts: installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libwxgtk3.2-dev libasound2-dev libpango1.0-dev gettext
  libgtk-3-dev fonts-liberation2 fonts-dejavu-core)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev xvfb xauth clang libclang-rt-14-dev locales
  openbox x11-utils libxtst-dev xfwm4 dbus-daemon)

jobs() { nproc 2>/dev/null || echo 2; }

# Configure arguments that put ccache before the compilers when it is
# installed: builds after the first one then mostly hit its cache.
COMPILER_CACHE=()
if command -v ccache >/dev/null; then
  COMPILER_CACHE=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# The Release build in build/release, configured once: the build itself runs
# CMake again when a CMake file changed.
configure_release() {
  [ -f build/release/build.ninja ] && return
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVIN_TESTS=OFF "${COMPILER_CACHE[@]}"
}
