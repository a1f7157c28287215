# Shared by scripts/run and scripts/test: installs what is missing, then builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libjpeg-dev libcups2-dev
  xvfb xauth fontconfig fonts-liberation2 fonts-wine
  cups cups-bsd cups-client printer-driver-cups-pdf
  poppler-utils imagemagick
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

install_fonts_config() {
  local target=/etc/fonts/conf.d/60-certprint-fonts.conf
  if ! cmp -s "$ROOT/config/60-certprint-fonts.conf" "$target" 2>/dev/null; then
    as_root install -m 644 "$ROOT/config/60-certprint-fonts.conf" "$target"
    as_root fc-cache -f >/dev/null
  fi
}

# build_project DIR [cmake options…]
build_project() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

prepare() {
  install_missing_packages
  install_fonts_config
  build_project "$BUILD_DIR" "$@"
}
