#!/bin/bash
# The README's pictures of the windows, made again: each in a fresh X server
# of the screen's size, with a window manager, the program at a given scale.
# Needs Xvfb, openbox, xdotool and ImageMagick (apt-get install xvfb openbox
# xdotool imagemagick) and the program built (cmake --build --preset default).
#   bash scripts/captures.sh            # every picture, into docs/
set -euo pipefail
cd "$(dirname "$0")/.."
programme=$PWD/build/default/src/ui/couple-bilobe
exemple=$PWD/data/exemples/planeur.toml
for outil in Xvfb openbox xdotool import; do
  command -v $outil >/dev/null || { echo "captures.sh : $outil manque (voir l'en-tête)" >&2; exit 1; }
done
[ -x "$programme" ] || { echo "captures.sh : construire d'abord le programme" >&2; exit 1; }

# capture ÉCRAN ÉCHELLE SORTIE GESTE [ARGUMENTS…]: GESTE is done once the
# windows are up ("rien", "menu": the preview's menu open).
capture() {
  local ecran=$1 echelle=$2 sortie=$3 geste=$4
  shift 4
  local maison
  maison=$(mktemp -d) # settings of a first start
  export DISPLAY=:$((50 + RANDOM % 40))
  Xvfb "$DISPLAY" -screen 0 "${ecran}x24" -nolisten tcp >/dev/null 2>&1 &
  local x=$!
  sleep 1
  openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 1
  HOME=$maison XDG_CONFIG_HOME=$maison/.config QT_SCALE_FACTOR=$echelle LANG=fr_FR.UTF-8 "$programme" "$@" \
    >/dev/null 2>&1 &
  local p=$!
  sleep 4
  local serie
  serie=$(xdotool search --name "Série de couples" | head -1 || true)
  case "$geste" in
  planches) xdotool mousemove --window "$serie" 100 362 click 1 ;; # the tab "Planches" (1920 x 1080, scale 1)
  3d) xdotool mousemove --window "$serie" 145 362 click 1 ;;
  esac
  sleep 1
  if [ "$geste" = menu ]; then
    local fenetre
    fenetre=$(xdotool search --name "Génération de fichier" | head -1)
    xdotool mousemove --window "$fenetre" "$(echo "$echelle * 330" | bc | cut -d. -f1)" \
      "$(echo "$echelle * 150" | bc | cut -d. -f1)" click 3
    sleep 1
  fi
  import -window root "$sortie"
  kill $p $wm $x 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$maison"
  echo "$sortie"
}

# The main window alone, its preview's menu open; then with the example's series.
capture 1280x1024 1 /tmp/premier-couple.png menu
capture 1600x1000 1.5 /tmp/premier-couple-15x.png menu
capture 1920x1080 1 docs/premier-fuselage.png rien "$exemple"
capture 1600x1000 1.5 docs/premier-fuselage-15x.png rien "$exemple"
# The series window's tabs, and a series with notches and tabs.
capture 1920x1080 1 /tmp/vue-3d.png 3d "$exemple"
kit=$(mktemp --suffix=.toml)
cat "$exemple" - >"$kit" <<'FIN'

[[encoche]]
place = "dos"
largeur = 3
profondeur = 2

[[encoche]]
place = 0.6
largeur = 3
profondeur = 2

[pattes]
cote = "dessous"
largeur = 6
ecart = 0
garde = 5
FIN
capture 1920x1080 1 /tmp/serie-kit.png planches "$kit"
rm -f "$kit"
for image in vue-3d serie-kit; do
  convert /tmp/$image.png -crop 1290x890+410+172 +repage docs/$image.png
done
# Cropped to the main window and its menu.
convert /tmp/premier-couple.png -crop 730x390+428+335 +repage docs/premier-couple.png
convert /tmp/premier-couple-15x.png -crop 1090x570+485+235 +repage docs/premier-couple-15x.png

# "Depuis un plan", step by step, on the plan the tests trace (kept in
# data/exemples for whoever wants to try): the windows grabbed by the program
# itself, under the same X server and window manager.
plan=$(mktemp -d)
export DISPLAY=:$((50 + RANDOM % 40))
Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
x=$!
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
HOME=$plan LANG=fr_FR.UTF-8 "$PWD/build/default/tests/ui/captures-plan" "$plan" >/dev/null 2>&1
kill $wm $x 2>/dev/null || true
wait 2>/dev/null || true
cp "$plan"/plan-[0-9]-*.png docs/
cp "$plan"/plan-planeur.png "$plan"/plan-planeur.dxf data/exemples/
rm -rf "$plan"
ls docs/plan-[0-9]-*.png
