#!/usr/bin/env bash
# Builds and runs every test: the normal build, the core alone without Qt,
# the core and both commands for Windows (their tests and the commands'
# corpus run under Wine), the page for the browser (its core under Node,
# the page in Chromium), the tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer-dependances.sh
export QT_QPA_PLATFORM=offscreen

journal=$(mktemp)
trap 'rm -f "$journal"' EXIT

echo "== Construction et tests =="
cmake --preset default
cmake --build --preset default
ctest --preset default | tee -a "$journal"

echo "== Le cœur seul, sans chercher Qt =="
cmake --preset coeur
cmake --build --preset coeur
ctest --preset coeur | tee -a "$journal"

echo "== Pour Windows (MinGW-w64), sous Wine =="
cmake --preset windows
cmake --build --preset windows
# Quiet, and without Wine offering to install .NET or a browser engine on a fresh prefix.
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" ctest --preset windows | tee -a "$journal"

echo "== Dans le navigateur (WebAssembly) : le cœur sous Node, la page dans Chromium =="
cmake --preset web
cmake --build --preset web
ctest --preset web | tee -a "$journal"

echo "== Tests sous AddressSanitizer et UndefinedBehaviorSanitizer =="
cmake --preset asan
cmake --build --preset asan
ctest --preset asan | tee -a "$journal"

echo "== Fuzzing des champs (30 s) =="
cmake --preset fuzz
cmake --build --preset fuzz
nouveaux=$(mktemp -d)
nouveaux_fuselage=$(mktemp -d)
nouveaux_plan=$(mktemp -d)
brouillon=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d) # the writer's targets, in memory
trap 'rm -f "$journal"; rm -rf "$nouveaux" "$nouveaux_fuselage" "$nouveaux_plan" "$brouillon"' EXIT
BILOBE_FUZZ_BROUILLON=$brouillon ./build/fuzz/fuzz/fuzz_couple -max_total_time=30 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  "$nouveaux" fuzz/corpus 2>&1 | tail -n 12
echo "== Fuzzing des fichiers de fuselage (20 s) =="
./build/fuzz/fuzz/fuzz_fuselage -max_total_time=20 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -dict=fuzz/fuselage.dict \
  "$nouveaux_fuselage" fuzz/corpus_fuselage 2>&1 | tail -n 12
echo "== Fuzzing des plans DXF et des fichiers de lignes (15 s) =="
./build/fuzz/fuzz/fuzz_plan -max_total_time=15 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  "$nouveaux_plan" fuzz/corpus_plan 2>&1 | tail -n 12
echo "Fuzzing terminé sans plantage."

# One closing line for the whole run: ctest's counts of every build.
total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\)/\2 \1/p' "$journal" |
  awk '{ n += $1; f += $2 } END { print n - f " passed, " f " failed" }')
echo "tests: $total"
