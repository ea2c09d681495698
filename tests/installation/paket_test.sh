#!/usr/bin/env bash
# The Debian package `make deb` built: lintian finds no error, it holds the game in
# Debian's layout for games with dependencies computed from the programs, and the game
# started from the unpacked package fills a new player's program folder.
# Usage: paket_test.sh BAUORDNER VERSION
set -euo pipefail

bau=$1
version=$2
. "$(dirname "$0")/pruefhilfe.sh"
paket=$(ls "$bau"/lagerix2000_"$version"_*.deb)

pruefe "lintian findet keinen Fehler" lintian --fail-on error "$paket"
inhalt=$(dpkg-deb -c "$paket" | awk '{print $6}')
for pfad in ./usr/games/lagerix2000 ./usr/games/lagerix-editor ./usr/games/lagerix-pruefen \
    ./usr/lib/games/lagerix2000/lagerix-klang.so ./usr/share/games/lagerix2000/bestwerte.txt \
    ./usr/share/applications/lagerix2000.desktop ./usr/share/applications/lagerix-editor.desktop \
    ./usr/share/icons/hicolor/48x48/apps/lagerix2000.png \
    ./usr/share/metainfo/example.vestrum.lagerix2000.metainfo.xml \
    ./usr/share/man/de/man6/lagerix-pruefen.6.gz ./usr/share/doc/lagerix2000/copyright; do
    pruefe "das Paket enthält $pfad" grep -qxF "$pfad" <<<"$inhalt"
done
pruefe "die Abhängigkeiten kommen von den Bibliotheken der Programme" \
    bash -c 'dpkg-deb -f "$1" Depends | grep -q "libqt6multimedia6 (>="' _ "$paket"

dpkg-deb -x "$paket" "$zwischen/wurzel"
pruefe "der Menüeintrag startet /usr/games/lagerix2000" \
    grep -qxF 'Exec="/usr/games/lagerix2000"' "$zwischen/wurzel/usr/share/applications/lagerix2000.desktop"
mkdir "$zwischen/heim"
spielZweimalStarten "$zwischen/wurzel/usr" "$zwischen/heim"
[ "$fehlschlaege" -eq 0 ]
