#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Ceravel needs to build, test and run, and only
# those missing. Run as root (or with sudo available).
set -euo pipefail

pacotes=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-svg-dev qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libeigen3-dev libfmt-dev
  libproj-dev proj-data proj-bin geographiclib-tools
  clang libclang-rt-14-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
  poppler-utils locales
  gdal-bin  # ogrinfo: the tests read the DXF export back with GDAL too
  desktop-file-utils appstream lintian dpkg-dev file
  cups cups-client cups-bsd printer-driver-cups-pdf
)

faltando=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltando+=("$p")
  fi
done

if [ ${#faltando[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Installing: ${faltando[*]}"
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${faltando[@]}"
fi

# A Brazilian C library locale lets the tests prove that reading coefficient
# files does not depend on the process's locale.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i 's/^# *\(pt_BR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
