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

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libwxgtk3.2-dev libasound2-dev gettext
  fonts-liberation2 fonts-dejavu-core)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev xvfb xauth clang libclang-rt-14-dev locales)

jobs() { nproc 2>/dev/null || echo 2; }
