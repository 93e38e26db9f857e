#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer-dependances.sh
cmake --preset default
cmake --build --preset default
exec ./build/default/src/ui/couple-bilobe
