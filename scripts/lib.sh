# Shared by scripts/play and scripts/test: install what is missing, build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${KORUBEL_BUILD_DIR:-$repo_root/build}

# What the build needs on a fresh Debian 12.
build_packages=(cmake g++ make qt6-base-dev qt6-multimedia-dev)

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

build_game() {
    local type=${1:-RelWithDebInfo}
    cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE="$type" >/dev/null
    cmake --build "$build_dir" -j "$(nproc)"
}
