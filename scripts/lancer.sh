#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer-dependances.sh
cmake --preset default
cmake --build --preset default
# The window comes with the next version; meanwhile the command line writes
# the default former's file into the current folder.
./build/default/src/bilobe-dat
