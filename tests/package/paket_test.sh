#!/usr/bin/env bash
# The installed program: builds the Debian package from a build folder, checks what it holds and
# needs, installs it with dpkg into a temporary root, starts the installed program headless as an
# ordinary user, upgrades the package and starts again, and installs the program folder with
# cmake --install twice. The user's database must come through every install and upgrade.
#
#   paket_test.sh <build folder>
set -euo pipefail

build=$(readlink -f "$1")
kennwort=$(sed -n 's/.*kPassword\[\] = "\(.*\)".*/\1/p' "$(dirname "$0")/../../src/dao/Password.h")
if [ "$(id -u)" -ne 0 ]; then
    echo "Übersprungen: dpkg in ein fremdes Wurzelverzeichnis und der Benutzerwechsel brauchen root."
    exit 77
fi

tmp=$(mktemp -d)
pids=()
aufraeumen() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap aufraeumen EXIT
chmod 755 "$tmp"

fehler() {
    echo "FEHLER: $*" >&2
    exit 1
}

# Runs SQL on a database with the program's password.
sql() {
    sqlcipher -batch "$1" "PRAGMA key = '$kennwort';" "PRAGMA cipher_compatibility = 3;" "$2" |
        grep -v '^ok$' || true
}

# Starts a command headless in the background as the given user and waits until the program
# holds its database open and is still running a second later. Sets pid.
starten() {
    local benutzer=$1 heim=$2 protokoll=$3
    shift 3
    mkdir -p "$heim/laufzeit"
    chown -R "$benutzer" "$heim"
    chmod 700 "$heim/laufzeit"
    HOME=$heim XDG_RUNTIME_DIR=$heim/laufzeit QT_QPA_PLATFORM=offscreen \
        setpriv --reuid="$(id -u "$benutzer")" --regid="$(id -g "$benutzer")" --clear-groups "$@" >"$protokoll" 2>&1 &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 100); do
        if ls -l "/proc/$pid/fd" 2>/dev/null | grep -q 'Cocktails\.mdb$'; then
            sleep 1
            kill -0 "$pid" 2>/dev/null || fehler "das Programm endete nach dem Start: $(cat "$protokoll")"
            [ ! -s "$protokoll" ] || fehler "das Programm meldete: $(cat "$protokoll")"
            return
        fi
        kill -0 "$pid" 2>/dev/null || fehler "das Programm endete beim Start: $(cat "$protokoll")"
        sleep 0.1
    done
    fehler "das Programm öffnete seine Datenbank nicht innerhalb von 10 s"
}

beenden() {
    kill "$1"
    wait "$1" 2>/dev/null || true
}

# --- The package: what it holds and what it needs -------------------------------------------
(cd "$build" && cpack -G DEB -B "$tmp/paket" >"$tmp/cpack.log" 2>&1) || fehler "cpack: $(cat "$tmp/cpack.log")"
paket=$(ls "$tmp"/paket/velkor-db_*.deb)
inhalt=$(dpkg-deb -c "$paket" | awk '{print $6}')
for datei in ./usr/bin/velkor ./usr/lib/velkor-db/velkor ./usr/share/velkor-db/Cocktails.mdb \
    ./usr/share/applications/velkor.desktop; do
    grep -qx "$datei" <<<"$inhalt" || fehler "$datei fehlt im Paket"
done
! grep -q '^./usr/lib/velkor-db/Cocktails.mdb$' <<<"$inhalt" ||
    fehler "das Paket bringt eine Datenbank in den Programmordner mit und überschriebe sie"

depends=$(dpkg-deb -f "$paket" Depends)
for noetig in libqt6widgets6 libqt6gui6 libqt6core6 libsqlcipher0 libstdc++6 qt6-qpa-plugins; do
    grep -q "\b$noetig\b" <<<"$depends" || fehler "Depends nennt $noetig nicht: $depends"
done
# Every dependency is a real Debian package: here, where the program runs, each is installed.
for noetig in $(sed 's/([^)]*)//g; s/,/ /g' <<<"$depends"); do
    dpkg-query -W -f='${Status}' "$noetig" 2>/dev/null | grep -q 'install ok installed' ||
        fehler "die Abhängigkeit $noetig ist kein installiertes Paket"
done

# --- Install with dpkg into a temporary root ------------------------------------------------
wurzel=$tmp/wurzel
mkdir -p "$wurzel/var/lib/dpkg/info" "$wurzel/var/lib/dpkg/updates"
touch "$wurzel/var/lib/dpkg/status" "$wurzel/var/lib/dpkg/available"
# The root holds no libraries, so its dependencies cannot be met there; they were checked above.
dpkg --root="$wurzel" --force-depends -i "$paket" >"$tmp/dpkg.log" 2>&1 ||
    fehler "dpkg -i: $(cat "$tmp/dpkg.log")"

eintrag=$wurzel/usr/share/applications/velkor.desktop
desktop-file-validate "$eintrag" || fehler "der Desktop-Eintrag ist ungültig"
grep -qx 'Exec=velkor' "$eintrag" && [ -x "$wurzel/usr/bin/velkor" ] || fehler "Exec=velkor fehlt"
grep -q '^Name=Velkor-DB$' "$eintrag" && grep -q '^Comment=.*Cocktails' "$eintrag" &&
    grep -q '^Categories=.*Office' "$eintrag" || fehler "Name, Kommentar oder Kategorie fehlen"
icon=$(sed -n 's/^Icon=//p' "$eintrag")
[ -f "$wurzel/usr/share/icons/hicolor/256x256/apps/$icon.png" ] || fehler "das Symbol $icon fehlt"

# --- Start as an ordinary user: a program folder of the user's own ----------------------------
heim=$tmp/heim
ordner=$heim/.local/share/velkor-db
starten nobody "$heim" "$tmp/start1.log" "$wurzel/usr/bin/velkor"
[ "$(readlink "/proc/$pid/exe")" = "$ordner/velkor" ] || fehler "es läuft $(readlink "/proc/$pid/exe")"
cmp -s "$ordner/Cocktails.mdb" "$wurzel/usr/share/velkor-db/Cocktails.mdb" ||
    fehler "die erste Datenbank des Benutzers ist nicht der Grundstock"
[ "$(sql "$ordner/Cocktails.mdb" 'SELECT count(*) > 0 FROM cocktails;')" = 1 ] ||
    fehler "die Datenbank des Benutzers ist leer oder unlesbar"
beenden "$pid"

# What the user stores, here through the store's own shell.
sql "$ordner/Cocktails.mdb" "INSERT INTO cocktails (name) VALUES ('Hausmarke');" >/dev/null

# --- Upgrade: a newer package with a changed program and starter ------------------------------
neu=$tmp/neu
dpkg-deb -R "$paket" "$neu"
sed -i 's/^Version: .*/&.1/' "$neu/DEBIAN/control"
printf 'neu' >>"$neu/usr/lib/velkor-db/velkor" # trailing bytes leave the program runnable
sql "$neu/usr/share/velkor-db/Cocktails.mdb" "DELETE FROM cocktails;" >/dev/null
dpkg-deb -b "$neu" "$tmp/neu.deb" >/dev/null
dpkg --root="$wurzel" --force-depends -i "$tmp/neu.deb" >"$tmp/dpkg.log" 2>&1 ||
    fehler "Upgrade: $(cat "$tmp/dpkg.log")"
grep -q 'velkor-db.*1\.03\.1\|1\.03\.1' <(dpkg --root="$wurzel" -l velkor-db) ||
    fehler "das Upgrade ist nicht installiert"

starten nobody "$heim" "$tmp/start2.log" "$wurzel/usr/bin/velkor"
cmp -s "$ordner/velkor" "$wurzel/usr/lib/velkor-db/velkor" || fehler "die Programmkopie blieb alt"
[ "$(sql "$ordner/Cocktails.mdb" "SELECT count(*) FROM cocktails WHERE name = 'Hausmarke';")" = 1 ] ||
    fehler "das Upgrade hat die Datenbank des Benutzers überschrieben"
beenden "$pid"

# --- cmake --install: a self-contained program folder, its database kept on a second install ---
praefix=$tmp/praefix
cmake --install "$build" --prefix "$praefix" >/dev/null
programm=$praefix/lib/velkor-db
[ -x "$programm/velkor" ] && [ -f "$programm/Cocktails.mdb" ] || fehler "der Programmordner ist unvollständig"
sql "$programm/Cocktails.mdb" "INSERT INTO cocktails (name) VALUES ('Hausmarke');" >/dev/null
cmake --install "$build" --prefix "$praefix" >/dev/null
[ "$(sql "$programm/Cocktails.mdb" "SELECT count(*) FROM cocktails WHERE name = 'Hausmarke';")" = 1 ] ||
    fehler "cmake --install hat die Datenbank im Programmordner überschrieben"

# The folder's owner runs the program in place, on the database beside it.
chown -R nobody "$praefix"
starten nobody "$tmp/heim2" "$tmp/start3.log" "$praefix/bin/velkor"
[ "$(readlink "/proc/$pid/exe")" = "$programm/velkor" ] || fehler "es läuft $(readlink "/proc/$pid/exe")"
[ ! -e "$tmp/heim2/.local/share/velkor-db" ] || fehler "ein zweiter Programmordner entstand"
beenden "$pid"
echo "Paket, Installation, Upgrade und Start geprüft."
