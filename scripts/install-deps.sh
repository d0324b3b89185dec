#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Tallyburrow needs to build, run and test, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache clang
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev googletest
  fonts-dejavu-core fonts-liberation poppler-utils
  desktop-file-utils appstream dpkg-dev file
  locales
  # The screen-reader test: Orca in a private X session (tests/accessibility/orca_journey.py)
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-pyatspi
  gir1.2-atspi-2.0 gir1.2-gtk-3.0 gir1.2-wnck-3.0 python3-speechd python3-dbus
  xvfb xdotool x11-utils at-spi2-core openbox
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The number texts are tested under German and French locales (a decimal comma).
for locale in de_DE fr_FR; do
  if ! locale -a 2>/dev/null | grep -qi "^${locale}\.utf-\?8$"; then
    if [ "$(id -u)" -eq 0 ]; then
      localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    else
      sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    fi
  fi
done
