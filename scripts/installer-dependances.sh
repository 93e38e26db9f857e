#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the program need,
# only those that are missing.
set -euo pipefail

paquets=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev googletest libbenchmark-dev libtomlplusplus-dev libboost-dev libfmt-dev libfast-float-dev pkgconf
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core fonts-liberation fonts-wine locales-all
  python3-ezdxf python3-shapely python3-fonttools librsvg2-bin poppler-utils admesh qpdf ghostscript
  g++-mingw-w64-x86-64-posix wine64 zip
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done

if ((${#manquants[@]})); then
  echo "Installation de : ${manquants[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${manquants[@]}"
fi
