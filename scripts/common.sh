# Shared set-up for scripts/run and scripts/test: installs the Debian
# packages the project needs (only those missing), then configures and builds.
# Sourced, not run.

set -euo pipefail

VELMO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMO_BUILD="${VELMO_BUILD:-$VELMO_ROOT/build}"

# Build tools and Qt, the Japanese fonts the page stands in with, Qt's own
# Japanese texts, and what the tests drive the program with (Python, the
# locales they render the page in, an X server with a window manager,
# xdotool, ImageMagick, a private CUPS with a PDF printer, poppler), and for
# the Windows program the MinGW-w64 cross compiler, Wine to test it under and
# NSIS for its installer, and for the browser page Emscripten, fontTools and
# Brotli for its web fonts, and Chromium with Selenium to test it in.
VELMO_PACKAGES=(
    g++ cmake ninja-build pkg-config file dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libfontconfig-dev libxcb1-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-kouzan-mouhitsu fonts-monapo fonts-horai-umefont fonts-noto-cjk
    libharfbuzz-bin libbenchmark-dev libx11-dev valgrind
    python3 locales xvfb xauth openbox xdotool x11-utils imagemagick poppler-utils
    cups cups-bsd cups-client printer-driver-cups-pdf
    desktop-file-utils appstream lintian
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix wine wine64 nsis
    emscripten nodejs fontconfig python3-fonttools python3-brotli chromium chromium-driver python3-selenium
)

# What the set-up runs as root through.
VELMO_SUDO=()
if [ "$(id -u)" -ne 0 ]; then
    VELMO_SUDO=(sudo)
fi

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
    export DEBIAN_FRONTEND=noninteractive
    "${VELMO_SUDO[@]}" apt-get update -q
    "${VELMO_SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The locales the tests render the page in, besides C.UTF-8.
VELMO_LOCALES=(ja_JP.UTF-8 en_US.UTF-8)

velmo_generate_locales() {
    local available
    available="$(locale -a)"
    local missing=()
    local locale
    for locale in "${VELMO_LOCALES[@]}"; do
        if ! grep -qx "${locale/UTF-8/utf8}" <<<"$available"; then
            missing+=("$locale")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Generating locales: ${missing[*]}"
    for locale in "${missing[@]}"; do
        # Uncommented in /etc/locale.gen, so that a later locale-gen keeps it.
        "${VELMO_SUDO[@]}" sed -i -E "s/^# *(${locale//./\\.} UTF-8)\$/\\1/" /etc/locale.gen
        if ! grep -qx "$locale UTF-8" /etc/locale.gen; then
            echo "$locale UTF-8" | "${VELMO_SUDO[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${VELMO_SUDO[@]}" locale-gen
}

# velmo_build <build-folder> [extra cmake arguments...]
velmo_build() {
    local build="$1"
    shift
    cmake -S "$VELMO_ROOT" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)"
}
