# Sourced by the other scripts: the Debian packages numconst needs, and a way to install them.

# To build and run numconst: the CJK font shows the button's Chinese label, and the Wayland
# plugin lets Qt open its window in a Wayland session.
build_packages=(cmake make g++ qtbase5-dev libx11-dev qtwayland5 fonts-wqy-microhei)
# What the tests add: Qt 6, an X server and a Wayland compositor with input and clipboard
# tools, package and manual-page checkers, libFuzzer.
test_packages=(qt6-base-dev qt6-wayland xvfb openbox x11-xserver-utils xdotool xclip wmctrl
    sway wtype wl-clipboard jq desktop-file-utils appstream dpkg-dev lintian mandoc clang
    libclang-rt-dev)
# For Windows: make and ninja, which both build numconst.exe, the cross compiler, Debian's Qt
# source (dpkg-dev unpacks it), the installer's compiler, the icon's converters and reader, and
# Wine on an X server with a German keymap.
windows_packages=(cmake make ninja-build g++ g++-mingw-w64-x86-64-posix dpkg-dev xz-utils nsis
    librsvg2-bin imagemagick icoutils perl wine wine64 xvfb xauth openbox x11-xkb-utils
    x11-xserver-utils xdotool xclip wmctrl)

# Installs whichever of the named packages are missing, with apt-get (through sudo unless root;
# without sudo it names the command to run as root and stops).
# Elsewhere it names them and goes on with what the system has.
ensure_packages() {
    if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
        echo "Not a Debian system: going on with what is installed. numconst uses these Debian" \
            "packages, or their equivalents: $*" >&2
        return 0
    fi
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0

    local as_root=()
    if [[ $(id -u) -ne 0 ]]; then
        if ! command -v sudo >/dev/null; then
            echo "These packages are missing, and without sudo they cannot be installed" \
                "from here. As root, run:" >&2
            echo "    apt-get install ${missing[*]}" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q)
    echo "Installing ${missing[*]}"
    # A fresh machine has no package lists yet; an old list may name versions that are gone.
    if ! compgen -G '/var/lib/apt/lists/*_Packages' >/dev/null; then
        "${apt[@]}" update
    fi
    "${apt[@]}" install "${missing[@]}" || { "${apt[@]}" update && "${apt[@]}" install "${missing[@]}"; }
}
