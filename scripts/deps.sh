#!/usr/bin/env bash
# Installs the Debian 12 packages ВЕЛТ Монитор needs to build, run and test,
# and only those that are missing. Quiet when nothing is missing.
set -euo pipefail

build_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  libqcustomplot-dev libqcustomplot2.1-qt6 libxlsxwriter-dev
)
test_packages=(fonts-dejavu-core libminizip-dev)

wanted=("${build_packages[@]}")
if [[ "${1:-}" == "--test" ]]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
