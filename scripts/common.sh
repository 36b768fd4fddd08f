# Shared by ./run and ./test: install what is missing, configure once, build incrementally.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(cmake make g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev
          libgl-dev)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}

# configure_and_build DIR [cmake options...] -- [targets...]
configure_and_build() {
    local dir="$1"
    shift
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    targets=("$@")
    # Options are applied again to an existing build folder, so one made before an option
    # changed here follows the change.
    if [ ! -f "$root/$dir/CMakeCache.txt" ] || [ ${#options[@]} -gt 0 ]; then
        cmake -S "$root" -B "$root/$dir" "${options[@]}" >/dev/null
    fi
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$root/$dir" -j "$jobs" --target "${targets[@]}"
    else
        cmake --build "$root/$dir" -j "$jobs"
    fi
}
