#!/usr/bin/env bash
# ./do run [--demo] [program args]   install what is missing, build, prepare var/ and start the program
# ./do test                          install, build and run every test (offscreen)
# ./do bench                         install, build and run the benchmarks
# ./do build                         install and build only
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${MINORI_BUILD_DIR:-$ROOT/build}

PACKAGES=(build-essential cmake ninja-build pkg-config ccache
          qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
          libsqlite3-dev libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  # npm (for the postal data package) may come with a Node.js that is not Debian's.
  command -v npm >/dev/null 2>&1 || missing+=(npm)
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  install_packages
  if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD" -j "$(nproc)"
}

# The program folder for ./do run: var/ with the data folder, pictures and postal dictionary.
prepare_home() {
  local home=$ROOT/var
  mkdir -p "$home/DataEtc" "$home/DataCom"
  cp -n "$ROOT"/DataEtc/* "$home/DataEtc/" 2>/dev/null || true
  if [ ! -f "$home/DataCom/postal.db" ] && [ -x "$ROOT/tools/postal-bootstrap" ]; then
    "$ROOT/tools/postal-bootstrap" "$BUILD/src/app/minori" "$home"
  fi
  echo "$home"
}

cmd=${1:-run}
shift || true
case "$cmd" in
  build)
    build ;;
  test)
    build
    cd "$BUILD"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@" ;;
  bench)
    build
    for b in "$BUILD"/bench/*_bench; do
      [ -x "$b" ] || continue
      echo "== $(basename "$b")"
      QT_QPA_PLATFORM=offscreen "$b" "$@"
    done ;;
  run)
    build
    home=$(prepare_home)
    demo=0
    if [ "${1:-}" = "--demo" ]; then demo=1; shift; fi
    if [ "$demo" = 1 ] && [ -x "$BUILD/src/app/gen/minori-gen" ] && [ ! -f "$home/data/minori.db" ]; then
      "$BUILD/src/app/gen/minori-gen" --home "$home" --customers 2000 --slips 5000
    fi
    exec "$BUILD/src/app/minori" --home "$home" "$@" ;;
  *)
    echo "usage: ./do run|test|bench|build" >&2
    exit 2 ;;
esac
