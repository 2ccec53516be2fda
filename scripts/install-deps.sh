#!/usr/bin/env bash
# Installs the Debian packages Kirvos builds with, when any is missing.
set -euo pipefail
packages=(g++ cmake make locales libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-charts-dev qt6-svg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests check that numbers are read and written with "." under a decimal-comma locale too.
if ! locale -a 2>/dev/null | grep -qi '^fi_FI\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i fi_FI -f UTF-8 fi_FI.UTF-8 || echo "Could not build the fi_FI.UTF-8 locale; the tests that need it will be skipped."
fi
