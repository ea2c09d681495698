# shellcheck shell=bash
# Shared by the install tests: a scratch folder removed at the end, counted checks, and
# the installed game started twice from a prefix (an install below the scratch folder,
# or the unpacked package's usr/).

zwischen=$(mktemp -d)
trap 'rm -rf "$zwischen"' EXIT

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

# True when the command fails.
scheitert() {
    ! "$@"
}

# Starts a program of the prefix for a new player, HOME=$2, on Qt's offscreen platform;
# true when it is still running after three seconds. With a third argument, a regular
# expression, true only when a library of that name was loaded by then.
laeuft() {
    local programm=$1 heim=$2 bibliothek=${3:-} pid geladen=0
    HOME=$heim XDG_DATA_HOME='' QT_QPA_PLATFORM=offscreen "$programm" >/dev/null 2>&1 &
    pid=$!
    sleep 3
    if [ -n "$bibliothek" ] && grep -q "$bibliothek" "/proc/$pid/maps" 2>/dev/null; then
        geladen=1
    fi
    kill -0 "$pid" 2>/dev/null || return 1
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    [ -z "$bibliothek" ] || [ "$geladen" -eq 1 ]
}

# The first start fills the player's program folder with the shipped files; the checker
# of the prefix plays the first level of the table of best counts there. After a shipped
# file changes (an update), the next start renews its copy and keeps the player's record.
spielZweimalStarten() {
    local prefix=$1 heim=$2
    local mitgeliefert=$prefix/share/games/lagerix2000
    local ordner=$heim/.local/share/lagerix2000
    pruefe "das Spiel läuft und lädt sein Klangmodul" \
        laeuft "$prefix/games/lagerix2000" "$heim" '/lib/games/lagerix2000/lagerix-klang\.so$'
    pruefe "der erste Start legt den Programmordner mit der Liste an" \
        test -f "$ordner/.lagerix-installiert"
    local datei fehlt=""
    for datei in "$mitgeliefert"/*; do
        cmp -s "$datei" "$ordner/${datei##*/}" || fehlt+=" ${datei##*/}"
    done
    pruefe "jede mitgelieferte Datei liegt im Programmordner:${fehlt:- ja}" test -z "$fehlt"

    local level loesung
    IFS=$'\t\r' read -r level _ loesung <"$ordner/bestwerte.txt"
    pruefe "der Prüfer spielt $level im Programmordner zu Ende" \
        bash -c '"$1" "$2" "$3" "$4 T" | grep -qx "geschafft 1"' _ \
        "$prefix/games/lagerix-pruefen" "$ordner" "$level" "$loesung"

    printf ' 7 \r\nvom Spieler\r\n' >"$ordner/${level%.lev}.sco"
    printf 'sound_aus\r\n' >"$ordner/lagerix.cfg"
    local programm
    for programm in lagerix-editor lagerix2000; do
        echo "<!-- für $programm erneuert -->" >>"$mitgeliefert/hilfe.htm"
        pruefe "$programm läuft" laeuft "$prefix/games/$programm" "$heim"
        pruefe "der nächste Start von $programm erneuert die geänderte Datei" \
            cmp -s "$mitgeliefert/hilfe.htm" "$ordner/hilfe.htm"
    done
    pruefe "Rekord und Einstellungen des Spielers bleiben" \
        bash -c 'grep -q "vom Spieler" "$1" && grep -q sound_aus "$2"' _ \
        "$ordner/${level%.lev}.sco" "$ordner/lagerix.cfg"
}
