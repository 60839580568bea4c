# Shared by scripts/test, scripts/demo and scripts/bench: dependencies, the
# Wine prefix and the virtual display. Source it; it defines functions only.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=$ROOT/build
export WINEPREFIX=$BUILD/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Debian packages the build and the tests need, with a command that proves each.
DEPS=(
  "cmake:cmake"
  "g++:g++"
  "make:make"
  "googletest:/usr/src/googletest/CMakeLists.txt"
  "libgtest-dev:/usr/include/gtest/gtest.h"
  "libgmock-dev:/usr/include/gmock/gmock.h"
  "libbenchmark-dev:/usr/include/benchmark/benchmark.h"
  "clang:clang++"
  "libclang-rt-14-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a"
  "g++-mingw-w64-x86-64-posix:x86_64-w64-mingw32-g++-posix"
  "wine:wine"
  "wine64:/usr/lib/wine/wine64"
  "xvfb:xvfb-run"
  "xdotool:xdotool"
  "imagemagick:import"
  "fonts-ipafont-gothic:/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
  "locales:locale-gen"
)

missing_packages() {
  local entry pkg probe
  for entry in "${DEPS[@]}"; do
    pkg=${entry%%:*}
    probe=${entry#*:}
    if [[ $probe == /* ]]; then
      [[ -e $probe ]] || echo "$pkg"
    else
      command -v "$probe" >/dev/null 2>&1 || echo "$pkg"
    fi
  done
}

has_ja_locale() { locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; }

# Installs what is missing when run as root; otherwise names the one command to run.
ensure_deps() {
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  if [[ -n ${missing// /} ]]; then
    if [[ $(id -u) -eq 0 ]]; then
      echo "installing: $missing"
      apt-get update -qq >/dev/null
      # shellcheck disable=SC2086
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
    else
      echo "missing packages; run: sudo apt-get install -y $missing" >&2
      exit 1
    fi
  fi
  if ! has_ja_locale; then
    if [[ $(id -u) -eq 0 ]]; then
      grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
      locale-gen >/dev/null
    else
      echo "missing locale ja_JP.UTF-8; run: sudo sh -c \"echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen && locale-gen\"" >&2
      exit 1
    fi
  fi
}

# One prefix, made once and reused. A new prefix's first server session cannot
# register running objects, so wait for it to end before anything runs.
ensure_wine_prefix() {
  if [[ ! -f $WINEPREFIX/.kelvo-ready ]]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    LANG=ja_JP.UTF-8 wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.kelvo-ready"
  fi
}

# Starts a virtual display when there is none; sets DISPLAY and XVFB_PID.
XVFB_PID=
start_virtual_display() {
  local n
  for n in $(seq 90 120); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do
      [[ -e /tmp/.X11-unix/X$n ]] && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
  done
  echo "could not start a virtual display" >&2
  return 1
}

stop_virtual_display() {
  [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

configure_and_build() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -- --no-print-directory -s
}
