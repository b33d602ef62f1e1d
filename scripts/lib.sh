# Shared by the scripts: installing what is missing and building.
# shellcheck shell=bash

repo_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# Installs the Debian packages named that are not installed yet.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(g++ make cmake qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev libcli11-dev clang-format)
# The Debian package (cpack -G DEB): dpkg-shlibdeps finds its dependencies,
# and CPack asks file(1) which installed files are programs; scripts/test
# checks the package with lintian, desktop-file-validate, appstreamcli, man
# and bash's completion.
PACKAGING_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream man-db bash-completion)
# The Windows build (scripts/test-windows): the MinGW-w64 cross compiler,
# GoogleTest's sources, CLI11's headers, Wine to run the tests, a virtual
# display for the window's tests, and NSIS's makensis for the installer.
WINDOWS_PACKAGES=(make cmake g++-mingw-w64-x86-64-posix googletest libcli11-dev wine64 xvfb xauth nsis)

# Configures the build folder given with extra CMake options.
configure() {
  local dir="$1"; shift
  cmake -S "$(repo_root)" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Builds the targets named (all when none) in the build folder given.
build() {
  local dir="$1"; shift
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}

# Prints "== NAME" for a stage and notes when it began; stage_times prints
# how long each stage so far took (the last one until now).
stage_names=()
stage_starts=()
stage() {
  stage_names+=("$1")
  stage_starts+=("$SECONDS")
  echo "== $1"
}
stage_times() {
  local i end
  for i in "${!stage_names[@]}"; do
    end=$SECONDS
    [ $((i + 1)) -lt ${#stage_names[@]} ] && end=${stage_starts[$((i + 1))]}
    printf '%5ds  %s\n' $((end - stage_starts[i])) "${stage_names[$i]}"
  done
}
