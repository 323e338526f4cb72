// The file's schema version: a file written by the first version of the tables (with the
// program's own collation and upper-casing in its columns and indexes) is upgraded when it is
// opened, keeping every record, number, stored order and counter and the user's own indexes
// and triggers.

#include "dao/Schema.h"
#include "Records.h"
#include "RoheDatei.h"
#include "TempDatabase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Writes a file as the first version of the program wrote it: the starter catalogue, with the
// decoration counter beyond the highest number kept. Returns path.
QString WriteVersion0(const QString& path) {
    QByteArray script = "BEGIN;\n";
    for (const char* source : {"tests/dao/data/schema_v0.sql", "src/schema/starter.sql"}) {
        QFile f(QStringLiteral(VELKOR_SOURCE_DIR "/") + QString::fromUtf8(source));
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error(source);
        script += f.readAll() + "\n";
    }
    script += "UPDATE sqlite_sequence SET seq = seq + 1 WHERE name = 'deko';\nCOMMIT;\n";
    auto db = dao::CreateWorkspace({}, {}, {})->CreateDatabase(path, TempDatabase::Connect());
    db->ExecuteScript(script);
    return path;
}

// Every record of every table, in stored order, as text; the file opened read-only is read
// as it is.
QStringList Everything(const QString& path) {
    const auto db = TempDatabase::OpenFile(path, true);
    QStringList rows;
    for (const auto& [table, named] : dao::kTables)
        for (dao::Recordset rs = db->OpenRecordset(QStringLiteral("SELECT * FROM ") + table);
             !rs.Eof(); rs.MoveNext()) {
            QStringList fields{QString::fromUtf8(table)};
            for (int i = 0; i < rs.FieldCount(); ++i)
                fields << rs.Fields(i).ToText();
            rows << fields.join(u'|');
        }
    return rows;
}

// The value of a row engine SQL yields on the file opened read-only (the one row it has).
QString Raw(const QString& path, const char* sql) {
    QString value;
    TempDatabase::OpenFile(path, true)->ReadEngineRows(sql, [&](const dao::EngineRow& row) {
        value = row.Get(0).ToText();
    });
    return value;
}

} // namespace

TEST(Schema, AnOldFileIsUpgradedOnOpeningKeepingRecordsNumbersOrderCountersAndOwnObjects) {
    QTemporaryDir dir;
    const QString path = WriteVersion0(dir.filePath(QStringLiteral("Alt.mdb")));
    const QStringList before = Everything(path);
    // The user's own schema objects, made with the shell: a table with an index, an index on
    // one of the program's tables and a trigger on another.
    for (const char* sql :
         {"CREATE TABLE protokoll (was)", "CREATE INDEX protokoll_was ON protokoll (was)",
          "CREATE INDEX meine_beschreibung ON zutaten (getränk, alkohol)",
          "CREATE TRIGGER neu_protokollieren AFTER INSERT ON cocktails BEGIN INSERT INTO "
          "protokoll VALUES (new.name); END"})
        ASSERT_EQ(RoheDatei(path).Exec(sql), SQLITE_OK) << sql; // as another program would
    const int highest = Raw(path, "SELECT max(nr) FROM deko").toInt();

    auto db = TempDatabase::OpenFile(path);
    EXPECT_EQ(Raw(path, "PRAGMA user_version"), QStringLiteral("1"));
    // The collation only this program has is gone from the file.
    EXPECT_EQ(Raw(path, "SELECT count(*) FROM sqlite_master WHERE sql LIKE '%deutsch%'"), "0");
    EXPECT_EQ(Everything(path), before);
    EXPECT_EQ(Raw(path, "SELECT group_concat(name) FROM (SELECT name FROM sqlite_master WHERE "
                        "name IN ('protokoll_was', 'meine_beschreibung', 'neu_protokollieren') "
                        "ORDER BY name)"),
              "meine_beschreibung,neu_protokollieren,protokoll_was");
    // The counter goes on after the highest number ever given, not the highest kept.
    EXPECT_EQ(records::Insert(*db, "deko", {}), highest + 2);
}

TEST(Schema, AFailedUpgradeIsTakenBackWholeAndANewerFileIsRefusedUntouched) {
    QTemporaryDir dir;
    const QString path = WriteVersion0(dir.filePath(QStringLiteral("Alt.mdb")));
    // A table of a later step's temporary name in the way: the upgrade fails part-way.
    ASSERT_EQ(RoheDatei(path).Exec("CREATE TABLE deko_v0 (x)"), SQLITE_OK);
    const auto stand = [&path] {
        return Everything(path) << Raw(path, "SELECT group_concat(sql) FROM sqlite_master")
                                << Raw(path, "PRAGMA user_version");
    };
    const QStringList alt = stand();
    EXPECT_NE(records::FailureOf([&] { TempDatabase::OpenFile(path); }).Number(), 0);
    EXPECT_EQ(stand(), alt);
    ASSERT_EQ(RoheDatei(path).Exec("DROP TABLE deko_v0; PRAGMA user_version = 2"), SQLITE_OK);
    const auto bytes = [&path] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray neuer = bytes();
    EXPECT_EQ(records::FailureOf([&] { TempDatabase::OpenFile(path); }).Number(), 3343);
    EXPECT_EQ(bytes(), neuer);
}
