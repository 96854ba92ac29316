#!/usr/bin/env bash
# Installs every Debian package that building, running and testing otthon needs.
# Quick when everything is already there: it only asks apt when a package is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev qt6-declarative-dev qt6-svg-dev libgl-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtqml-workerscript
  qml6-module-qttest qml6-module-qtqml qml6-module-qtqml-models
  libcpp-httplib-dev
  dpkg-dev python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
