# Shared by scripts/test and scripts/run: install what is missing, then build.
# Sourced, not run.

LODESTAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LODESTAR_BUILD=${LODESTAR_BUILD:-$LODESTAR_ROOT/build}

lodestar_packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
    libjsoncpp-dev
    xvfb xauth xdotool imagemagick xcompmgr
    dbus-daemon at-spi2-core python3-pyatspi
    fonts-dejavu-core fonts-urw-base35
)

# The Windows build and its tests (scripts/test): the MinGW-w64 cross compiler
# in its POSIX-threads variant, whose runtime has std::mutex, and 64-bit Wine;
# what these merely recommend is not needed.
lodestar_windows_packages=(g++-mingw-w64-x86-64-posix wine wine64)

# Installs what is missing of the build's packages, or with --windows of the
# Windows build's.
lodestar_install_missing() {
    local packages=("${lodestar_packages[@]}") options=()
    if [ "${1:-}" = --windows ]; then
        packages=("${lodestar_windows_packages[@]}")
        options=(--no-install-recommends)
    fi
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${options[@]}" "${missing[@]}"
}

# Extra cache settings for a build folder of another kind (a sanitized one).
lodestar_configure_args=()

# Builds everything, or only the targets named as arguments.
lodestar_build() {
    if [ ! -f "$LODESTAR_BUILD/CMakeCache.txt" ]; then
        cmake -S "$LODESTAR_ROOT" -B "$LODESTAR_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            "${lodestar_configure_args[@]}"
    fi
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build "$LODESTAR_BUILD" --parallel "$(nproc)" "${targets[@]}"
}
