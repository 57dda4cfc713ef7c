# Shared by ./run, ./test and ./bench: installs what is missing, then builds.
# Source it; it defines functions only.

VESTRONA_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-multimedia-dev qtkeychain-qt6-dev libqt6sql6-sqlite libsqlite3-dev qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libical-dev calcurse remind radicale xandikos python3-caldav python3-dateutil openssl lighttpd lighttpd-mod-openssl
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
  libbenchmark-dev clang libclang-rt-14-dev
  fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick openbox trayer
  pulseaudio pulseaudio-utils faketime sqlite3 time
  dbus python3-dbus python3-gi weston qt6-wayland at-spi2-core python3-pyatspi
  scdoc librsvg2-bin man-db desktop-file-utils appstream dpkg-dev fakeroot lintian
)

vestrona_install_packages() {
  local missing=()
  local p
  for p in "${VESTRONA_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# vestrona_configure BUILD_DIR [extra cmake args...]
vestrona_configure() {
  local dir="$1"; shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$VESTRONA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

# vestrona_build BUILD_DIR [extra cmake args...]: configures, then builds everything.
vestrona_build() {
  vestrona_configure "$@"
  cmake --build "$1" -j"${VESTRONA_JOBS:-2}"
}
