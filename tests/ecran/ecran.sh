#!/bin/sh
# The program under a virtual display, driven by key presses only (xdotool):
#   ecran.sh BUILD route     a teacher solves 3(x-2)=2x+5, the pupil answers
#                            and closes the result window with Escape
#   ecran.sh BUILD tailles   the main and help windows fit each screen, at scale 1 and 2
# Screenshots go to BUILD/captures/. Exit 77 when a tool is missing.
set -eu
build=$1
mode=$2
for outil in Xvfb xdotool import; do
  command -v $outil >/dev/null || { echo "$outil manque"; exit 77; }
done
captures=$build/captures
mkdir -p "$captures"
rm -f "$captures/echec.png"
dossier=$(mktemp -d)
trap 'kill $programme $ecran 2>/dev/null || true; rm -rf "$dossier"' EXIT
programme=
ecran=
# A private copy of the program folder: saving or settings touch nothing else.
cp "$build/vivezezi" "$build/Vivezezi.ini" "$dossier/"
cp "$build"/*.alp "$dossier/" 2>/dev/null || true

# Waits (20 s at most) until a window of that title is shown.
attend() {
  timeout 20 xdotool search --sync --onlyvisible --name "$1" >/dev/null && return
  import -window root "$captures/echec.png"
  echo "pas de fenêtre « $1 » (voir $captures/echec.png)"
  return 1
}

demarre() { # largeur hauteur echelle
  # The server picks a free display and writes its number.
  rm -f "$dossier/ecran"
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp 3>"$dossier/ecran" >/dev/null 2>&1 &
  ecran=$!
  for _ in $(seq 50); do [ -s "$dossier/ecran" ] && break; sleep 0.2; done
  export DISPLAY=:$(cat "$dossier/ecran")
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$3 "$dossier/vivezezi" >/dev/null 2>&1 &
  programme=$!
  attend '^MOT DE PASSE$'
  sleep 0.5
  xdotool key Return          # the teacher's password is empty
  attend '^Vivezezi$'
  sleep 0.5
}
arrete() {
  kill $programme $ecran 2>/dev/null || true
  wait $programme $ecran 2>/dev/null || true
  programme= ecran=
}
# The window of that title inside the screen (position and size in device pixels).
dans_l_ecran() {
  eval "$(xdotool search --onlyvisible --name "$1" getwindowgeometry --shell | head -5)"
  if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt "$l" ] || [ $((Y + HEIGHT)) -gt "$h" ]; then
    echo "${l}x${h} à l'échelle $e : la fenêtre $1 ${WIDTH}x${HEIGHT} en $X,$Y dépasse l'écran"
    exit 1
  fi
  echo "${l}x${h} échelle $e : $1 ${WIDTH}x${HEIGHT} en $X,$Y"
}
touches() { for t in "$@"; do xdotool key "$t"; sleep 0.25; done; }
tape() { xdotool type --delay 40 "$1"; sleep 0.4; }
# Types into the argument window once it is open, and validates.
argument() { attend '^Saisie$'; tape "$1"; touches Return; }

case $mode in
route)
  demarre 1280 800 1
  tape '3(x-2)=2x+5'
  # The parts list: the first member.
  touches Tab Tab Down Home Return
  # The panels from the top: "Développer", then "Substituer".
  touches Tab Down Down Down Return Down Down Down Return
  # "Soust. aux deux membres..." 2x, then "Add. aux deux membres..." 6.
  touches Down Down Return; argument 2x
  touches Up Return; argument 6
  import -window root "$captures/route_prof.png"
  # FIN, ELEVE; the pupil's help page (F1, closed by Escape); REPONSE x=11.
  touches F6 F7 F1
  sleep 0.5
  import -window root "$captures/route_aide_eleve.png"
  touches Escape F5
  argument 'x=11'
  attend '^Résultat$'
  sleep 0.3
  import -window root "$captures/route_resultat.png"
  touches Escape
  sleep 0.3
  if xdotool search --onlyvisible --name '^Résultat$' >/dev/null; then echo "Echap ne ferme pas le résultat"; exit 1; fi
  arrete
  ;;
tailles)
  for taille in 1024x600:1 1280x800:1 1920x1080:1 1280x800:2; do
    l=${taille%%x*}; reste=${taille#*x}; h=${reste%%:*}; e=${taille##*:}
    demarre "$l" "$h" "$e"
    tape '3(x-2)=2x+5'
    import -window root "$captures/fenetre_${l}x${h}_echelle$e.png"
    dans_l_ecran '^Vivezezi$'
    # The help window too, its close button within reach.
    touches F1
    attend '^Aide et impression$'
    sleep 0.3
    import -window root "$captures/aide_${l}x${h}_echelle$e.png"
    dans_l_ecran '^Aide et impression$'
    touches Escape
    arrete
  done
  ;;
esac
