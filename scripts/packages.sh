# Sourced by the other scripts: the Debian packages numconst needs, and a way to install them.

# To build and run numconst; the CJK font shows the button's Chinese label.
build_packages=(cmake make g++ qtbase5-dev fonts-wqy-microhei)
# What the tests add: Qt 6, a display, input and clipboard tools, package checkers, libFuzzer.
test_packages=(qt6-base-dev xvfb xdotool xclip openbox desktop-file-utils appstream dpkg-dev
    clang libclang-rt-dev)

# Installs whichever of the named packages are missing, with apt-get (through sudo unless root).
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0

    if ! command -v apt-get >/dev/null; then
        echo "numconst needs these Debian packages, or their equivalents: ${missing[*]}" >&2
        return 1
    fi
    local as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q)
    echo "Installing ${missing[*]}"
    # A fresh machine has no package lists yet; an old list may name versions that are gone.
    if ! compgen -G '/var/lib/apt/lists/*_Packages' >/dev/null; then
        "${apt[@]}" update
    fi
    "${apt[@]}" install "${missing[@]}" || { "${apt[@]}" update && "${apt[@]}" install "${missing[@]}"; }
}
