# Debian packages the program and its checks need, and a helper that installs
# whichever of them are missing. Sourced by scripts/run and scripts/test.

# To build and run the program.
NUVESSA_RUN_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libxcb1-dev fonts-liberation2)

# To build and pass every check: the program's, plus the headless X server, a
# light window manager and the accessibility bus for the end-to-end tests (with
# the bus's X11 autolaunch, which a program must not leave running), Wine with
# its own Windows faces for the build for Windows, clang for the fuzzer, Google
# Benchmark, and the packaging validators.
NUVESSA_TEST_PACKAGES=("${NUVESSA_RUN_PACKAGES[@]}"
  xvfb xauth x11-utils openbox dbus at-spi2-core python3-pyatspi xdotool
  dbus-x11 orca speech-dispatcher espeak-ng
  wine64 wine fonts-wine
  clang libclang-rt-14-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev lintian reuse file imagemagick graphviz time
  python3-jsonschema python3-license-expression python3-debian openssl)

# To build the toolkit and the program for Windows: Debian's Qt source is
# unpacked and built with mingw-w64 (POSIX threads) and Ninja, its code
# generators taken from this machine's Qt of the same version. NSIS makes the
# installer, wixl the MSI (with msitools and python3-olefile to finish it), and
# osslsigncode signs them when asked to.
NUVESSA_WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev-tools qt6-base-dev dpkg-dev xz-utils patch perl python3 nsis
  python3-license-expression python3-debian wixl msitools python3-olefile osslsigncode)

nuvessa_install_missing() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
