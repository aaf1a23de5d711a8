# Shared by the run and test commands: installs what is missing from Debian's archive.

VSPACE_BUILD_PACKAGES=(cmake g++ make pkgconf qt6-base-dev nlohmann-json3-dev libcsv-dev libgraphviz-dev libgtest-dev
                       libbenchmark-dev fontconfig fonts-dejavu-core fonts-liberation2
                       fonts-tlwg-loma-otf)
VSPACE_TEST_PACKAGES=(xvfb xauth xdotool clang libclang-rt-14-dev clang-format desktop-file-utils appstream
                      lintian chromium imagemagick)
# cpack -G DEB: dependencies from the binaries.
VSPACE_PACKAGE_PACKAGES=(dpkg-dev file)

vspace_install() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root or sudo." >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# vspace_build <folder> [cmake options...]
vspace_build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" "$@" >/dev/null
    cmake --build "$folder" -j2
}
