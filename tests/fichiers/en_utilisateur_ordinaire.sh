#!/usr/bin/env bash
# The writer's table of targets again, as an ordinary user (nobody), when the
# tests run as root: what the writer refuses must not depend on being root.
# Exit 77 (skipped) when the tests already run as an ordinary user.
set -euo pipefail
binaire=$1
if [ "$(id -u)" -ne 0 ]; then
  echo "Déjà lancé par un utilisateur ordinaire : le tableau a tourné ainsi."
  exit 77
fi
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cp "$binaire" "$dossier/tests"
chmod 755 "$dossier" "$dossier/tests"
cd "$dossier"
setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$dossier" TMPDIR=/tmp \
  ./tests --gtest_filter='Tableau/Cibles.*:Fichier.*:Tableau/Chemins.*:CheminsLongs.*'
