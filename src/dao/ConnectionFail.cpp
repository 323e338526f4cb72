// The mapping of engine failures to the classic error numbers, with the texts they are reported
// by.
#include "dao/Connection.h"

#include <sqlite3.h>

namespace dao {

namespace {

// The name in an engine message such as "no such table: zutatn".
QString NameAfterColon(const QString& message) {
    const int colon = message.indexOf(QLatin1Char(':'));
    return colon < 0 ? message : message.mid(colon + 1).trimmed();
}

} // namespace

void Connection::Fail(int rc, const QByteArray& sql) {
    sqlite3* db = m_db.get();
    if (db && m_depth > 0 && sqlite3_get_autocommit(db)) m_lost = true;
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    const QString engine = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT:
        if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY)
            throw Error(errDuplicateKey,
                        QStringLiteral("Der Datensatz wurde nicht gespeichert: Ein Eintrag mit "
                                       "demselben Schlüssel ist schon vorhanden."));
        if (extended == SQLITE_CONSTRAINT_NOTNULL)
            throw Error(errFieldRequired, QStringLiteral("Ein Pflichtfeld hat keinen Wert (%1).")
                                              .arg(NameAfterColon(engine)));
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw Error(errFileInUse,
                    QStringLiteral("Die Datenbank wird gerade von einem anderen Programm "
                                   "verwendet und ist gesperrt. Versuchen Sie es später noch "
                                   "einmal."));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw Error(errDamagedFile, QStringLiteral("Die Datenbankdatei ist beschädigt oder hat "
                                                   "ein unbekanntes Format."));
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        throw Error(errCannotOpenFile,
                    QStringLiteral("Die Datenbankdatei kann nicht zum Schreiben geöffnet werden: "
                                   "Die Datei oder ihr Ordner ist schreibgeschützt. Es wurde "
                                   "nichts gespeichert."));
    case SQLITE_FULL:
        throw Error(errDiskFull, QStringLiteral("Der Datenträger ist voll: Die Datenbank kann "
                                                "nicht wachsen. Es wurde nichts gespeichert."));
    case SQLITE_IOERR:
        throw Error(errDiskOrNetwork,
                    QStringLiteral("Datenträger- oder Netzwerkfehler beim Zugriff auf die "
                                   "Datenbankdatei."));
    case SQLITE_NOMEM:
        throw Error(errReserved, QStringLiteral("Nicht genügend Arbeitsspeicher."));
    case SQLITE_ERROR:
        if (engine.startsWith(QLatin1String("no such table")))
            throw Error(errTableNotFound, QStringLiteral("Die Tabelle '%1' wurde nicht gefunden.")
                                              .arg(NameAfterColon(engine)));
        if (engine.startsWith(QLatin1String("no such column")))
            throw Error(
                errFieldNotFound,
                QStringLiteral("Das Feld '%1' wurde nicht gefunden.").arg(NameAfterColon(engine)));
        if (engine.contains(QLatin1String("syntax error")) ||
            engine.contains(QLatin1String("incomplete input")) ||
            engine.contains(QLatin1String("unrecognized token")))
            throw Error(errSyntax, QStringLiteral("Syntaxfehler in der Abfrage: %1")
                                       .arg(QString::fromUtf8(sql).trimmed()));
        break;
    default:
        break;
    }
    throw Error(errReserved,
                QStringLiteral("Unerwarteter Fehler der Datenbank (%1).")
                    .arg(engine.isEmpty() ? QString::fromUtf8(sqlite3_errstr(rc)) : engine));
}

} // namespace dao
