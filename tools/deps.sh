#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Usage: tools/deps.sh [run|test]
set -euo pipefail
kind="${1:-run}"
# fonts-liberation2: the metric-compatible stand-ins for Arial, Times New
# Roman and Courier New that printing and the preview draw with.
pkgs=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-translations-l10n libgl1-mesa-dev zlib1g-dev libgtest-dev
      fonts-liberation2)
if [ "$kind" = test ]; then
  pkgs+=(libbenchmark-dev nlohmann-json3-dev clang libclang-rt-14-dev qpdf poppler-utils
         fonts-urw-base35 python3 python3-xlrd locales
         # Real readers of the dBASE and Excel exports (LibreOffice reads
         # dBASE files only through its base drivers).
         python3-dbfread libreoffice-calc-nogui libreoffice-base-drivers
         # A real print queue that writes PDF files (tools/cups.sh).
         cups printer-driver-cups-pdf)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ "$kind" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  # Tests run parts of the program under a German locale, where the C
  # library writes numbers with a decimal comma.
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
