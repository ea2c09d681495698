#!/usr/bin/env bash
# The menu entries (as the install writes them, for the package's prefix and a player's
# own with a blank), the software centre's metadata and the manual pages, each checked
# by the validator made for it.
# Usage: metadaten_test.sh QUELLORDNER
set -euo pipefail

quelle=$1
. "$(dirname "$0")/pruefhilfe.sh"
menue=$quelle/resources/menue
metainfo=$menue/example.vestrum.lagerix2000.metainfo.xml

pruefe "die AppStream-Metadaten sind gültig" appstreamcli validate --no-net "$metainfo"
# English is the summary without a language, which the validator asks for.
pruefe "die Metadaten fassen das Spiel auch auf Deutsch zusammen" \
    grep -qF '<summary xml:lang="de">' "$metainfo"

for prefix in /usr "/home/ein Spieler/.local"; do
    DESTDIR=$zwischen cmake -DCMAKE_INSTALL_PREFIX="$prefix" -DLAGERIX_MENUE="$menue" \
        -DLAGERIX_PROGRAMME=games -P "$quelle/paket/menueeintraege.cmake" >/dev/null
    for programm in lagerix2000 lagerix-editor; do
        eintrag=$zwischen$prefix/share/applications/$programm.desktop
        pruefe "der Menüeintrag $programm unter $prefix ist gültig" desktop-file-validate "$eintrag"
        pruefe "der Menüeintrag startet $prefix/games/$programm" \
            grep -qxF "Exec=\"$prefix/games/$programm\"" "$eintrag"
    done
done
startbar=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
pruefe "die Metadaten starten den Menüeintrag $startbar" test -f "$zwischen/usr/share/applications/$startbar"

for seite in "$quelle"/paket/man/*.6; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$seite" 2>&1 >/dev/null)
    pruefe "die Handbuchseite ${seite##*/} setzt ohne Warnung${warnungen:+: $warnungen}" \
        test -z "$warnungen"
done
[ "$fehlschlaege" -eq 0 ]
