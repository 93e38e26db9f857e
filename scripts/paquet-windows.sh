#!/usr/bin/env bash
# Makes couple-bilobe-windows.zip: both commands for Windows (built with
# MinGW-w64, linked statically: nothing else to install), the example
# fuselage and a short French page on using them from a command prompt.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer-dependances.sh
cmake --preset windows
cmake --build --preset windows --target bilobe-dat bilobe-serie

paquet=$(mktemp -d)
trap 'rm -rf "$paquet"' EXIT
dossier="$paquet/couple-bilobe"
mkdir -p "$dossier"
cp build/windows/src/cli/bilobe-dat.exe build/windows/src/cli/bilobe-serie.exe "$dossier/"
# Same bytes on every run: strip dates the programs from SOURCE_DATE_EPOCH,
# the files get that date, and the names go in order.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1700000000}
x86_64-w64-mingw32-strip "$dossier"/*.exe
cp data/exemples/planeur.toml "$dossier/"
# Windows' Notepad and command prompt expect CR LF.
sed 's/$/\r/' docs/windows/LISEZMOI.txt >"$dossier/LISEZMOI.txt"
find "$dossier" -exec touch -d @"$SOURCE_DATE_EPOCH" {} +
rm -f couple-bilobe-windows.zip
(cd "$paquet" && find couple-bilobe -type f | LC_ALL=C sort | zip -X -q "$OLDPWD/couple-bilobe-windows.zip" -@)
echo "couple-bilobe-windows.zip : $(du -h couple-bilobe-windows.zip | cut -f1)"
unzip -l couple-bilobe-windows.zip
