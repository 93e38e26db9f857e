#!/usr/bin/env bash
# Builds the page for the browser and serves it on this computer:
# http://127.0.0.1:8000/ (another port as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer-dependances.sh
cmake --preset web
cmake --build --preset web
echo "Couple bi-lobé : http://127.0.0.1:${1:-8000}/"
exec python3 -m http.server -d build/web --bind 127.0.0.1 "${1:-8000}"
