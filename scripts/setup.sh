#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need.
# Idempotent and non-interactive: packages already present are left alone, and
# the package index is refreshed only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-nanum fonts-wqy-microhei
  xvfb xauth x11-utils imagemagick locales
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcpp-httplib-dev libssl-dev openssl util-linux unzip
  clang libclang-rt-14-dev
  python3 ca-certificates
  osslsigncode
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
