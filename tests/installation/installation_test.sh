#!/usr/bin/env bash
# Installs the built game into a scratch folder twice, with the player's files written
# in between, starts the installed programs from there and removes the installation.
# Usage: installation_test.sh QUELLORDNER BAUORDNER
set -euo pipefail

quelle=$1
bau=$2
zwischen=$(mktemp -d)
trap 'rm -rf "$zwischen"' EXIT
export XDG_DATA_HOME=$zwischen/daten
ordner="$zwischen/Mein Lager"   # a blank in the path, as in many home folders
installation=$quelle/scripts/installation
fehlschlaege=0

pruefe() {
    local was=$1
    shift
    if "$@"; then
        echo "ok: $was"
    else
        echo "FEHLER: $was" >&2
        fehlschlaege=$((fehlschlaege + 1))
    fi
}

"$installation" installieren "$bau" "$ordner" >/dev/null
pruefe "das Spiel liegt im Programmordner" test -x "$ordner/lagerix2000"
pruefe "der Prüfer liegt im Programmordner" test -x "$ordner/lagerix-pruefen"
pruefe "die Level liegen im Programmordner" test -f "$ordner/01-schieben.lev"
pruefe "Grafiksatz, Klang und Seiten liegen bereit" \
    test -f "$ordner/standardset.gif" -a -f "$ordner/explsion.wav" -a -f "$ordner/hilfe.htm"
eintrag=$XDG_DATA_HOME/applications/lagerix2000.desktop
pruefe "der Menüeintrag ist gültig" desktop-file-validate "$eintrag"
pruefe "der Menüeintrag startet das installierte Spiel" \
    grep -qxF "Exec=\"$ordner/lagerix2000\"" "$eintrag"
pruefe "das Symbol liegt in allen Größen bereit" \
    test -f "$XDG_DATA_HOME/icons/hicolor/16x16/apps/lagerix2000.png" \
    -a -f "$XDG_DATA_HOME/icons/hicolor/256x256/apps/lagerix2000.png"

# The player plays: settings, a bookmark, a record, an own level; a shipped page is damaged.
spielerdateien=(lagerix.cfg l1.bok 01-schieben.sco mein-level.lev)
for datei in "${spielerdateien[@]}"; do
    printf 'vom Spieler %s\r\n' "$datei" >"$ordner/$datei"
done
echo kaputt >"$ordner/hilfe.htm"

"$installation" installieren "$bau" "$ordner" >/dev/null
for datei in "${spielerdateien[@]}"; do
    pruefe "$datei bleibt beim zweiten Installieren" \
        grep -qxF "vom Spieler $datei"$'\r' "$ordner/$datei"
done
pruefe "mitgelieferte Dateien werden erneuert" cmp -s "$quelle/assets/hilfe.htm" "$ordner/hilfe.htm"

# The installed programs find everything in their own folder, started from elsewhere.
cd /
pruefe "der installierte Prüfer löst das erste Level" \
    bash -c '"$1/lagerix-pruefen" "$1" 01-schieben.lev rrrr T | grep -qx "geschafft 1"' \
    _ "$ordner"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$ordner/lagerix2000" >/dev/null 2>&1 || status=$?
pruefe "das installierte Spiel startet und läuft" test "$status" -eq 124

"$installation" entfernen "$ordner" >/dev/null
for datei in "${spielerdateien[@]}"; do
    pruefe "$datei bleibt beim Entfernen" test -f "$ordner/$datei"
done
pruefe "das Spiel ist entfernt" test ! -e "$ordner/lagerix2000" -a ! -e "$ordner/01-schieben.lev"
pruefe "der Menüeintrag ist entfernt" test ! -e "$eintrag"
pruefe "das Symbol ist entfernt" test ! -e "$XDG_DATA_HOME/icons/hicolor/48x48/apps/lagerix2000.png"

# Both menu entries, the editor's too, whether it is built here or not.
for programm in lagerix2000 lagerix-editor; do
    "$installation" eintrag "$programm" "$ordner" >"$zwischen/$programm.desktop"
    pruefe "der Menüeintrag $programm ist gültig" desktop-file-validate "$zwischen/$programm.desktop"
done
pruefe "ein Ordner mit \$ wird abgelehnt" \
    bash -c '! "$1" eintrag lagerix2000 "/tmp/a\$b" 2>/dev/null' _ "$installation"

[ "$fehlschlaege" -eq 0 ]
