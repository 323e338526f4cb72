#!/bin/sh
# Starts Velkor-DB. The program keeps its database Cocktails.mdb in its own folder.
#
# Installed into a folder of one's own (cmake --install --prefix ~/Velkor), that folder holds the
# program with its database, and the program runs there. Installed by the package (or into a
# folder the user cannot write), the program folder belongs to the system; then every user gets a
# program folder of their own, ~/.local/share/velkor-db, with a copy of the program (renewed when the package brings
# a new one) and a database written from the starter catalogue the first time. An install or
# upgrade of the package therefore never touches a user's database.
set -eu

hier=$(dirname "$(readlink -f "$0")")
programm="$hier/../lib/velkor-db"
grundstock="$hier/../share/velkor-db/Cocktails.mdb"

if [ -w "$programm" ] && [ -w "$programm/Cocktails.mdb" ]; then
    exec "$programm/velkor" "$@"
fi

if [ -n "${XDG_DATA_HOME:-}" ]; then
    ordner="$XDG_DATA_HOME/velkor-db"
elif [ -n "${HOME:-}" ]; then
    ordner="$HOME/.local/share/velkor-db"
else
    echo "velkor: Weder HOME noch XDG_DATA_HOME ist gesetzt; kein Ordner für die Datenbank." >&2
    exit 1
fi
umask 077
mkdir -p "$ordner"

# Each copy is written under a name of its own and then put in place in one step, so a start
# that is cut short leaves no half-written program or database behind.
if ! cmp -s "$programm/velkor" "$ordner/velkor"; then
    cp "$programm/velkor" "$ordner/velkor.$$"
    mv -f "$ordner/velkor.$$" "$ordner/velkor"
fi
if [ ! -e "$ordner/Cocktails.mdb" ]; then
    cp "$grundstock" "$ordner/Cocktails.mdb.$$"
    chmod u+w "$ordner/Cocktails.mdb.$$"
    # ln refuses to replace an existing file: a database another start wrote meanwhile stays.
    ln "$ordner/Cocktails.mdb.$$" "$ordner/Cocktails.mdb" 2>/dev/null || true
    rm -f "$ordner/Cocktails.mdb.$$"
fi
exec "$ordner/velkor" "$@"
