#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the program need,
# only those that are missing.
set -euo pipefail

paquets=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev googletest libbenchmark-dev libtomlplusplus-dev libboost-dev libfmt-dev libfast-float-dev pkgconf
  qt6-base-dev qt6-svg-dev qt6-pdf-dev qt6-translations-l10n fonts-dejavu-core fonts-liberation fonts-wine locales-all
  python3-ezdxf python3-shapely python3-fonttools librsvg2-bin poppler-utils admesh qpdf ghostscript
  g++-mingw-w64-x86-64-posix wine64 zip
  emscripten chromium nodejs
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

# The browser tests' one JavaScript dependency (playwright-core, which drives
# Debian's Chromium), at the version of the lock file.
# Node.js from elsewhere may bring its own npm, which Debian's would clash with.
web="$(dirname "$0")/../tests/web"
if [ ! -d "$web/node_modules/playwright-core" ]; then
  if ! command -v npm > /dev/null; then
    [ "$(id -u)" -eq 0 ] && sudo_cmd=() || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y npm
  fi
  npm ci --prefix "$web" --no-audit --no-fund
fi
