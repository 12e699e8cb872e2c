#!/usr/bin/env bash
# Installs the Debian packages the build needs when any is missing.
# Quick and silent when everything is already there.
set -euo pipefail
packages=(cmake ninja-build g++ make clang clang-format libclang-rt-14-dev python3 libsqlite3-dev libpugixml-dev acl
  libcli11-dev libgtest-dev libgmock-dev googletest libbenchmark-dev sqlite3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}" >&2; then
  $SUDO apt-get update >&2
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}" >&2
fi
