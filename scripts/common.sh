# Shared by the run and test commands: installs what is missing from Debian's archive.

VSPACE_BUILD_PACKAGES=(cmake g++ make pkgconf qt6-base-dev qt6-tools-dev qt6-l10n-tools nlohmann-json3-dev libcsv-dev libgraphviz-dev libgtest-dev
                       libbenchmark-dev fontconfig fonts-dejavu-core fonts-liberation2
                       fonts-tlwg-loma-otf)
VSPACE_TEST_PACKAGES=(xvfb xauth xdotool clang libclang-rt-14-dev clang-format desktop-file-utils appstream
                      lintian chromium firefox-esr imagemagick)
# The web build: emscripten, libcsv's Debian source (apt-get source needs dpkg-dev), the headers of
# nlohmann-json; python3 serves the site; npm brings Graphviz for the page (web/package-lock.json).
VSPACE_WEB_PACKAGES=(emscripten dpkg-dev nlohmann-json3-dev python3 cmake make)
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

# node and npm for the browser tests: Debian's packages where the machine has neither command (a
# node from elsewhere that is already there is left as it is).
vspace_install_node() {
    command -v node >/dev/null || vspace_install nodejs
    command -v npm >/dev/null || vspace_install npm
}

# The npm packages of the checkout's top, as package-lock.json has them: puppeteer-core for the
# browser tests and the page benchmark, prettier, eslint (with @eslint/js and globals) and
# typescript for the checks of the JavaScript.
vspace_dev_packages() {
    npm ci --no-audit --no-fund --loglevel=error
}

# The page's npm packages (Graphviz), as web/package-lock.json has them; installed once a command.
vspace_page_packages() {
    [ -n "${vspace_page_packages_done:-}" ] && return 0
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
    vspace_page_packages_done=1
}

# Unpacks libcsv's Debian source into build-web/libcsv, with the archive's deb-src entries given to
# apt by options alone: the machine's own lists stay as they are.
vspace_libcsv_source() {
    [ -f build-web/libcsv/libcsv.c ] && return 0
    local work sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    work=$(mktemp -d)
    mkdir -p "$work/sources" "$work/lists/partial" "$work/source" build-web
    local sources
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] && sed 's/^Types: deb$/Types: deb-src/' "$sources" >"$work/sources/$(basename "$sources")"
    done
    [ -f /etc/apt/sources.list ] && sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/sources/main.list"
    local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/sources"
                   -o "Dir::State::Lists=$work/lists")
    "${sudo[@]}" apt-get "${options[@]}" update -qq
    (cd "$work/source" && apt-get "${options[@]}" source -qq libcsv >/dev/null 2>&1)
    rm -rf build-web/libcsv
    mv "$work"/source/libcsv-*/ build-web/libcsv
    "${sudo[@]}" rm -rf "$work"
}

# Builds the page into build-web/site and vspace-replay for node into build-web.
vspace_web_build() {
    vspace_libcsv_source
    vspace_page_packages
    # em++ sees the headers of nlohmann-json alone, not the whole of /usr/include.
    mkdir -p build-web/include
    ln -sfn /usr/include/nlohmann build-web/include/nlohmann
    # Debian's emscripten finds its acorn among Debian's node modules.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    # Release: the learners and the form built for speed (a press at 16 attributes takes 62 ms
    # at -O3 instead of 88 at -Os), the rest for size (web/CMakeLists.txt).
    emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release \
        -DVSPACE_LIBCSV_SOURCE="$PWD/build-web/libcsv" -DVSPACE_WEB_INCLUDE="$PWD/build-web/include" >/dev/null
    cmake --build build-web -j2
    echo "web: build-web/site (the page), build-web/vspace-replay.js (node)"
}
