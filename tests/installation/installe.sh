#!/bin/sh
# Installs the build into a temporary prefix, checks the layout and the
# desktop files, then starts the installed program as a new user (an empty
# HOME) with an exercise: it must create that user's configuration from the
# shared default and keep running. Exit 77 (skipped) without the validators.
set -eu
construction=$1
for outil in desktop-file-validate appstreamcli; do
  command -v "$outil" >/dev/null || { echo "$outil manque (scripts/deps l'installe)"; exit 77; }
done

prefixe=$(mktemp -d)
programme=
nettoie() {
  [ -n "$programme" ] && kill "$programme" 2>/dev/null
  rm -rf "$prefixe"
}
trap nettoie EXIT
echec() { echo "ÉCHEC : $*"; exit 1; }

cmake --install "$construction" --prefix "$prefixe/usr" >/dev/null
cd "$prefixe/usr"
for f in bin/vivezezi bin/vivezezi-cli \
         share/applications/fr.vivezezi.Vivezezi.desktop \
         share/mime/packages/fr.vivezezi.Vivezezi.xml \
         share/icons/hicolor/scalable/apps/fr.vivezezi.Vivezezi.svg \
         share/metainfo/fr.vivezezi.Vivezezi.metainfo.xml \
         share/man/man1/vivezezi.1 share/man/man1/vivezezi-cli.1 \
         share/vivezezi/Vivezezi.ini share/vivezezi/intro_prof.alp share/vivezezi/Inequa2.alp share/vivezezi/eleve.alp; do
  [ -f "$f" ] || echec "$f n'est pas installé"
done
[ -x bin/vivezezi ] && [ -x bin/vivezezi-cli ] || echec "les programmes ne sont pas exécutables"
# Every help page the build copied next to the program.
[ "$(ls share/vivezezi/*.alp | wc -l)" -eq "$(ls "$construction"/*.alp | wc -l)" ] || echec "il manque des pages d'aide"
if [ -d "$(dirname "$0")/../../data/exercices" ]; then
  ls share/vivezezi/exercices/*.alg >/dev/null || echec "la banque d'exercices n'est pas installée"
fi
grep -q 'glob pattern="\*.alg"' share/mime/packages/fr.vivezezi.Vivezezi.xml || echec "type MIME sans *.alg"
desktop-file-validate share/applications/fr.vivezezi.Vivezezi.desktop
appstreamcli validate --no-net share/metainfo/fr.vivezezi.Vivezezi.metainfo.xml >/dev/null ||
  appstreamcli validate --no-net share/metainfo/fr.vivezezi.Vivezezi.metainfo.xml

# The installed command-line tool finds its data and writes an exercise.
mkdir "$prefixe/exercices"
printf 'tape a*x+1=5\nfin\nsauve exo.alg\n' | bin/vivezezi-cli session --dossier "$prefixe/exercices" >/dev/null
[ -f "$prefixe/exercices/exo.alg" ] || echec "vivezezi-cli n'a pas écrit l'exercice"
[ "$(bin/vivezezi-cli evalue '2x+1' 3)" = 7 ] || echec "vivezezi-cli installé ne calcule pas"

# First start of a new user with that exercise.
mkdir "$prefixe/home"
env -u XDG_CONFIG_HOME HOME="$prefixe/home" QT_QPA_PLATFORM=offscreen \
  bin/vivezezi "$prefixe/exercices/exo.alg" >"$prefixe/sortie" 2>&1 &
programme=$!
configuration="$prefixe/home/.config/Vivezezi/Vivezezi.ini"
for _ in $(seq 300); do
  [ -f "$configuration" ] && break
  kill -0 "$programme" 2>/dev/null || { cat "$prefixe/sortie"; echec "le programme s'est arrêté"; }
  sleep 0.1
done
cmp "$configuration" share/vivezezi/Vivezezi.ini || echec "configuration de l'utilisateur absente ou différente"
# Opening the exercise comes after the configuration: the program must still be running.
sleep 1
kill -0 "$programme" 2>/dev/null || { cat "$prefixe/sortie"; echec "le programme s'est arrêté en ouvrant l'exercice"; }
[ ! -e share/vivezezi/xxx.ini ] || echec "le dossier partagé a été écrit"
echo "installation vérifiée"
