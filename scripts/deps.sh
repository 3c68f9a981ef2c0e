#!/usr/bin/env bash
# Installs the Debian packages the build, the content generator and the tests need,
# but only when some are missing, so a prepared machine starts building at once.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-dev
  libsdl2-dev libsdl2-mixer-dev libsdl2-image-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libmp3lame-dev fonts-dejavu-core fonts-noto-cjk
  libgettextpo-dev gettext
  xvfb x11-utils imagemagick
  desktop-file-utils appstream xdotool file openbox
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
