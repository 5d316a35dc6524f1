# Shared by every script: install what is missing with apt, build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${KORUBEL_BUILD_DIR:-$repo_root/build}

# What the build needs on a fresh Debian 12 (debian/control's Build-Depends
# names the same, and dpkg-buildpackage checks those).
build_packages=(cmake g++ make pkgconf qt6-base-dev libpulse-dev libfontconfig-dev)

# Installs the named Debian packages that are not installed yet; does
# nothing (and needs no network) when all are present.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_game [CMAKE_OPTION...]: configures and builds the game in build_dir.
# Every option is set on each run, so what one script turned on does not
# linger for the next; options given win over these defaults.
build_game() {
    cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=ON -DKORUBEL_BENCHMARKS=OFF "$@" >/dev/null
    cmake --build "$build_dir" -j "$(nproc)"
}
