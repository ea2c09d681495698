#!/usr/bin/env bash
# Installs the built game by the install rules into a scratch prefix, with a blank in its
# path as in many home folders, and checks that every file the built game loads at run
# time is in place, the menu entries and icons too, and that the installed game starts,
# plays with sound and fills the player's program folder.
# Usage: installation_test.sh QUELLORDNER BAUORDNER
set -euo pipefail

quelle=$1
bau=$2
. "$(dirname "$0")/pruefhilfe.sh"
prefix="$zwischen/Mein Lager"

cmake --install "$bau" --prefix "$prefix" >/dev/null

# The programs and the sound module stand in the build folder; the shipped files are
# copied there from assets/.
istElf() { [ "$(head -c 4 "$1" | od -An -c | tr -d ' ')" = '177ELF' ]; }
fehlt=""
for datei in "$bau"/*; do
    if [ -f "$datei" ] && istElf "$datei"; then
        name=${datei##*/}
        [ -x "$prefix/games/$name" ] || [ -f "$prefix/lib/games/lagerix2000/$name" ] || fehlt+=" $name"
    fi
done
for datei in "$quelle"/assets/*; do
    cmp -s "$datei" "$prefix/share/games/lagerix2000/${datei##*/}" || fehlt+=" ${datei##*/}"
done
pruefe "jede Laufzeitdatei des Baus ist installiert:${fehlt:- ja}" test -z "$fehlt"

for programm in lagerix2000 lagerix-editor; do
    eintrag=$prefix/share/applications/$programm.desktop
    pruefe "der Menüeintrag $programm ist gültig" desktop-file-validate "$eintrag"
    pruefe "der Menüeintrag startet das installierte Programm $programm" \
        grep -qxF "Exec=\"$prefix/games/$programm\"" "$eintrag"
done
pruefe "das Symbol liegt in allen Größen bereit" \
    test -f "$prefix/share/icons/hicolor/16x16/apps/lagerix2000.png" \
    -a -f "$prefix/share/icons/hicolor/256x256/apps/lagerix2000.png"

mkdir "$zwischen/heim"
spielZweimalStarten "$prefix" "$zwischen/heim"
[ "$fehlschlaege" -eq 0 ]
