# Shared steps of scripts/test, scripts/demo, scripts/package and .ci/run (sourced, not run).
# Provides: $root (the project folder), install_missing_packages [extra packages],
# build_tree DIR [cmake args].

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian 12 packages the build, the tests and the demo need.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools libqt6opengl6-dev qt6-qpa-plugins qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev fonts-wqy-microhei xvfb xauth
          libmosquitto-dev mosquitto mosquitto-clients prometheus-cpp-dev poppler-utils)

# Installs those of the packages above, and of any given as arguments, that are missing.
install_missing_packages() {
  local missing=() p
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing Debian packages: ${missing[*]}" >&2
      echo "sudo is not installed, so they cannot be installed from here. Run as root:" >&2
      echo "  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'" >&2
      echo "then start this command again." >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures DIR (relative to the project folder) with Ninja and builds it; further arguments go
# to cmake's configure step.
build_tree() {
  local dir="$1"
  shift
  cmake -S "$root" -B "$root/$dir" -G Ninja "$@"
  cmake --build "$root/$dir" -j"$(nproc)"
}
