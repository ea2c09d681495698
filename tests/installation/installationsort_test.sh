#!/usr/bin/env bash
# `make install PREFIX=…` and `make uninstall` as a player calls them, on the built game.
# PREFIX reaches the install as typed: a prefix the menu entries cannot quote is refused
# before anything is installed, and neither make nor a shell ever reads it (no command in
# backticks or $(…) runs, no $HOME is expanded). Uninstalling leaves the player's folder.
# Usage: installationsort_test.sh QUELLORDNER BAUORDNER
set -euo pipefail

quelle=$1
bau=$2
. "$(dirname "$0")/pruefhilfe.sh"
unset MAKEFLAGS MAKELEVEL
export HOME=$zwischen/heim XDG_DATA_HOME=
mkdir "$HOME"

# The built game counts as built: only the install step runs.
machen() {
    make -s -C "$quelle" -o installierbar BUILD="$bau" "$@" >/dev/null 2>&1
}

z=$zwischen
for probe in "$z/x\`touch $z/ausgefuehrt\`" "$z/d\$HOME" "$z/s\$(shell touch $z/ausgefuehrt)" \
    "$z/s\$\$(touch $z/ausgefuehrt)" "$z/zitat\"x" "$z/prozent%f" "$z/rueck\\strich"; do
    pruefe "PREFIX=$probe wird abgelehnt" scheitert machen install PREFIX="$probe"
    pruefe "PREFIX=$probe führt nichts aus und installiert nirgends" \
        test "$(find "$z" -mindepth 1 | sort | tr '\n' ' ')" = "$HOME "
done

prefix="$z/Mein Lager"
pruefe "make install installiert unter PREFIX" machen install PREFIX="$prefix"
pruefe "das Spiel liegt in games/" test -x "$prefix/games/lagerix2000"
pruefe "die Liste des Installierten liegt bereit" test -s "$prefix/lib/games/lagerix2000/installiert"
spielordner=$HOME/.local/share/lagerix2000
mkdir -p "$spielordner"
echo 'vom Spieler' >"$spielordner/lagerix.cfg"
pruefe "make uninstall entfernt es" machen uninstall PREFIX="$prefix"
# The desktop's cache of the menu entries stays, as for every other program.
pruefe "nichts Installiertes bleibt" test -z "$(find "$prefix" -type f ! -name mimeinfo.cache)"
pruefe "die eigenen Ordner gehen mit" \
    test ! -e "$prefix/share/games/lagerix2000" -a ! -e "$prefix/lib/games/lagerix2000"
pruefe "der Programmordner des Spielers bleibt" grep -q 'vom Spieler' "$spielordner/lagerix.cfg"
[ "$fehlschlaege" -eq 0 ]
