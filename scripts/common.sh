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
  clang libclang-rt-14-dev llvm
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

# configure_project DIR [cmake options…]
configure_project() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "$@" >/dev/null
}

# build_project DIR [cmake options…]
build_project() {
  configure_project "$@"
  cmake --build "$1" --parallel "$(nproc)"
}

# The sanitized tree of scripts/test and scripts/fuzz: AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer over the whole suite, built by clang so that the fuzz harnesses build in the same tree.
SANITIZE_DIR="${SANITIZE_DIR:-$ROOT/build-sanitize}"

configure_sanitize_tree() {
  # A tree configured by another compiler keeps it in its cache; it is configured anew.
  if [ -f "$SANITIZE_DIR/CMakeCache.txt" ] &&
    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$SANITIZE_DIR/CMakeCache.txt"; then
    rm -rf "$SANITIZE_DIR/CMakeCache.txt" "$SANITIZE_DIR/CMakeFiles"
  fi
  BUILD_TYPE=Debug configure_project "$SANITIZE_DIR" -DCMAKE_CXX_COMPILER=clang++ -DCERTPRINT_SANITIZE=ON \
    -DCERTPRINT_FUZZ=ON -DCERTPRINT_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
}

prepare() {
  install_missing_packages
  install_fonts_config
  build_project "$BUILD_DIR" "$@"
}
