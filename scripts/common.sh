# Shared set-up for scripts/run and scripts/test: installs the Debian
# packages the project needs (only those missing), then configures and builds.
# Sourced, not run.

set -euo pipefail

VELMO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMO_BUILD="${VELMO_BUILD:-$VELMO_ROOT/build}"

# Build tools and Qt, the Japanese fonts the page stands in with, Qt's own
# Japanese texts, and what the tests drive the program with (Python, an X
# server, xdotool, ImageMagick, a private CUPS with a PDF printer, poppler).
VELMO_PACKAGES=(
    g++ cmake ninja-build pkg-config file dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-kouzan-mouhitsu fonts-noto-cjk
    libbenchmark-dev libx11-dev
    python3 xvfb xauth xdotool x11-utils imagemagick poppler-utils
    cups cups-bsd cups-client printer-driver-cups-pdf
    desktop-file-utils appstream lintian
    clang libclang-rt-14-dev
)

velmo_install_packages() {
    local missing=()
    local package
    for package in "${VELMO_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# velmo_build <build-folder> [extra cmake arguments...]
velmo_build() {
    local build="$1"
    shift
    cmake -S "$VELMO_ROOT" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)"
}
