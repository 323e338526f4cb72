#include "dao/Schema.h"

#include "dao/Connection.h"
#include "dao/Error.h"
#include "dao/Text.h"

#include <QFile>
#include <sqlite3.h>

#include <vector>

namespace dao {

namespace {

// The first column of every row of an engine statement, as text.
std::vector<QString> Column(Connection& connection, const QByteArray& sql) {
    std::vector<QString> values;
    const auto statement = connection.Prepare(sql, {});
    while (statement->Step())
        values.push_back(QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement->Get(), 0))));
    return values;
}

qint64 Number(Connection& connection, const QByteArray& sql) {
    const auto statement = connection.Prepare(sql, {});
    return statement->Step() ? sqlite3_column_int64(statement->Get(), 0) : 0;
}

// The indexes version 0 made on its tables.
const char* const kIndexesV0[] = {"cocktails_ucase_name",
                                  "cocktailgruppen_ucase_name",
                                  "zutaten_ucase_name",
                                  "deko_ucase_name",
                                  "zutatensetup_ucase_name",
                                  "cocktails_name",
                                  "zutaten_name",
                                  "deko_name",
                                  "zutatensetup_name",
                                  "zutatenliste_cocktail",
                                  "zutatenliste_zutat",
                                  "dekoliste_cocktail"};

// The condition on sqlite_master for the schema objects that belong to one of the tables.
QByteArray OnTheTables() {
    QByteArray names;
    for (const SchemaTable& table : kTables)
        names += (names.isEmpty() ? "'" : ", '") + QByteArray(table.name) + "'";
    return "lower(tbl_name) IN (" + names + ")";
}

// Version 0 kept German order and upper case in the file itself: a collation and a function
// only this program has were part of its columns and indexes. The tables are written anew
// without them, every record with its number, and the counters go on where they were. The
// user's own indexes and triggers on the tables (made with the shell, say) are made again
// on the new tables once their records are in; everything else in the file is left alone.
void FromVersion0(Connection& c) {
    QByteArray ours;
    for (const char* index : kIndexesV0)
        ours += (ours.isEmpty() ? "'" : ", '") + QByteArray(index) + "'";
    const QByteArray theirs = "FROM sqlite_master WHERE " + OnTheTables() +
                              " AND sql IS NOT NULL AND (type = 'trigger' OR (type = 'index' AND "
                              "lower(name) NOT IN (" +
                              ours + ")))";
    const std::vector<QString> names = Column(c, "SELECT name " + theirs + " ORDER BY type, rowid");
    const std::vector<QString> own = Column(c, "SELECT sql " + theirs + " ORDER BY type, rowid");
    // Ours are dropped, theirs with them until the new tables stand.
    for (const char* type : {"index", "trigger"})
        for (const QString& object :
             Column(c, "SELECT name FROM sqlite_master WHERE " + OnTheTables() + " AND type = '" +
                           QByteArray(type) + "' AND sql IS NOT NULL"))
            c.Exec("DROP " + QByteArray(type) + " " + QuoteIdentifier(object).toUtf8());
    std::vector<qint64> counters;
    for (const auto& [table, named] : kTables) {
        const QByteArray name = QuoteIdentifier(QString::fromUtf8(table)).toUtf8();
        const QByteArray old = QuoteIdentifier(QString::fromUtf8(table) + "_v0").toUtf8();
        counters.push_back(
            Number(c, "SELECT ifnull(max(seq), 0) FROM sqlite_sequence WHERE name = '" +
                          QByteArray(table) + "'"));
        c.Exec("ALTER TABLE " + name + " RENAME TO " + old);
    }
    c.Exec(SchemaScript());
    std::size_t i = 0;
    for (const auto& [table, named] : kTables) {
        const QByteArray name = QuoteIdentifier(QString::fromUtf8(table)).toUtf8();
        const QByteArray old = QuoteIdentifier(QString::fromUtf8(table) + "_v0").toUtf8();
        c.Exec("INSERT INTO " + name + " SELECT * FROM " + old + " ORDER BY _rowid_");
        const qint64 counter = counters[i++];
        if (counter > 0)
            c.Exec("UPDATE sqlite_sequence SET seq = max(seq, " + QByteArray::number(counter) +
                   ") WHERE name = '" + QByteArray(table) + "'");
        c.Exec("DROP TABLE " + old);
    }
    // Made again on the new tables, unless these brought an index of the same name.
    for (std::size_t k = 0; k < own.size(); ++k) {
        const QByteArray name = QString(names[k]).replace(u'\'', QStringLiteral("''")).toUtf8();
        if (Number(c, "SELECT count(*) FROM sqlite_master WHERE name = '" + name + "'") == 0)
            c.Exec(own[k].toUtf8());
    }
}

} // namespace

QByteArray SchemaScript() {
    QFile file(QStringLiteral(":/dao/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(errReserved, QStringLiteral("Die Tabellenbeschreibung fehlt im Programm."));
    return file.readAll();
}

void UpgradeSchema(Connection& c, const QString& path, bool readOnly) {
    const qint64 version = Number(c, "PRAGMA user_version");
    if (version > kSchemaVersion)
        throw Error(errDamagedFile,
                    QStringLiteral("Die Datei '%1' stammt von einer neueren Version des Programms "
                                   "(Tabellenversion %2; dieses Programm kennt bis %3). Sie wird "
                                   "nicht geöffnet und nicht verändert.")
                        .arg(path)
                        .arg(version)
                        .arg(kSchemaVersion));
    if (version == kSchemaVersion || readOnly) return;

    // All or nothing: a failure, or the program ending half-way, leaves the file as it was.
    c.Exec("SAVEPOINT tabellenversion");
    try {
        if (version == 0) FromVersion0(c);
        c.Exec("PRAGMA user_version = " + QByteArray::number(kSchemaVersion));
        c.Exec("RELEASE tabellenversion");
    } catch (const Error& e) {
        c.Exec("ROLLBACK TO tabellenversion");
        c.Exec("RELEASE tabellenversion");
        throw Error(e.Number(),
                    QStringLiteral("Die Datei '%1' konnte nicht auf die Tabellenversion %2 "
                                   "gebracht werden; sie ist unverändert. %3")
                        .arg(path)
                        .arg(kSchemaVersion)
                        .arg(e.Description()));
    }
}

} // namespace dao
