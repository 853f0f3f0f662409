# Shared by the scripts: installing what is missing, configuring and building a preset.

QZ_ROOT=$(cd "$(dirname "$0")/.." && pwd)

# need_packages PACKAGE...: installs those that are not installed yet.
need_packages() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $package"
    done
    if [ -n "$missing" ]; then
        echo "== installing:$missing"
        if [ -z "${QZ_APT_UPDATED:-}" ]; then
            apt-get update -qq
            QZ_APT_UPDATED=1
        fi
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
    fi
}

# The host toolchain and libraries, and windres, which compiles the resources for both targets.
need_host_tools() {
    need_packages cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev \
        libbenchmark-dev valgrind binutils-mingw-w64-i686
}

# build_preset NAME [DIR]: configures (once) and builds the preset, whose build directory is
# build/DIR (default: build/NAME).
build_preset() {
    if [ ! -f "$QZ_ROOT/build/${2:-$1}/build.ninja" ]; then
        cmake --preset "$1" -S "$QZ_ROOT" >/dev/null
    fi
    cmake --build --preset "$1"
}
