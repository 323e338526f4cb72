// The file's schema version: a file written by the first version of the tables (with the
// program's own collation and upper-casing in its columns and indexes) is upgraded when it is
// opened, keeping every record and number; a newer file and a failed upgrade leave it untouched.

#include "dao/Schema.h"
#include "Records.h"
#include "RoheDatei.h"
#include "TempDatabase.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every record of every table, in stored order, as text.
QStringList Everything(dao::Database& db) {
    QStringList rows;
    for (const auto& [table, named] : dao::kTables)
        for (dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM ") + table);
             !rs.Eof(); rs.MoveNext()) {
            QStringList fields{QString::fromUtf8(table)};
            for (int i = 0; i < rs.FieldCount(); ++i)
                fields << rs.Fields(i).ToText();
            rows << fields.join(u'|');
        }
    return rows;
}

// The first value engine SQL run on the file directly (as another program would) yields.
QString Raw(const QString& path, const char* sql) {
    return RoheDatei(path).Wert(QString::fromUtf8(sql));
}

} // namespace

TEST(Schema, AnOldFileIsUpgradedOnOpeningWithEveryRecordNumberAndOrderKept) {
    QTemporaryDir dir;
    const QString path = TempDatabase::WriteVersion0(dir.filePath(QStringLiteral("Alt.mdb")));
    const QString names = QStringLiteral("SELECT name FROM zutaten ORDER BY name");
    // Opened read-only, the old file is read as it is.
    const QStringList before = Everything(*TempDatabase::OpenFile(path, true));
    const QStringList list = records::Column(*TempDatabase::OpenFile(path, true), names);
    ASSERT_EQ(Raw(path, "PRAGMA user_version"), QStringLiteral("0"));
    ASSERT_GT(before.size(), 500);
    // The user's own schema objects, made with the shell: a table with an index, an index on
    // one of the program's tables and a trigger on another.
    for (const char* sql :
         {"CREATE TABLE protokoll (was)", "CREATE INDEX protokoll_was ON protokoll (was)",
          "CREATE INDEX meine_beschreibung ON zutaten (getränk, alkohol)",
          "CREATE TRIGGER neu_protokollieren AFTER INSERT ON cocktails BEGIN INSERT INTO "
          "protokoll VALUES (new.name); END"})
        ASSERT_EQ(Raw(path, sql), QString()) << sql;

    auto db = TempDatabase::OpenFile(path);
    EXPECT_EQ(Raw(path, "SELECT group_concat(name) FROM (SELECT name FROM sqlite_master WHERE "
                        "name IN ('protokoll_was', 'meine_beschreibung', 'neu_protokollieren') "
                        "ORDER BY name)"),
              "meine_beschreibung,neu_protokollieren,protokoll_was");
    records::Insert(*db, QStringLiteral("cocktails"), {{"name", QStringLiteral("Protokolliert")}});
    EXPECT_EQ(Raw(path, "SELECT group_concat(was) FROM protokoll"), "Protokolliert");
    db->Execute("DELETE FROM cocktails WHERE name = \"Protokolliert\"");
    EXPECT_EQ(Raw(path, "PRAGMA user_version"), QStringLiteral("1"));
    EXPECT_EQ(Raw(path, "SELECT count(*) FROM sqlite_master WHERE sql LIKE '%deutsch%' OR sql "
                        "LIKE '%ucase%'"),
              QStringLiteral("0"));
    EXPECT_EQ(Raw(path, "PRAGMA integrity_check"), QStringLiteral("ok"));
    EXPECT_EQ(Everything(*db), before);
    EXPECT_EQ(records::Column(*db, names), list);

    // Names are found without regard to case, ä/Ä and ß/SS included.
    EXPECT_EQ(records::Column(*db, "SELECT name FROM deko WHERE ucase(name) = \"ÄPFELSAFT\""),
              QStringList{"äpfelsaft"});
    EXPECT_EQ(
        records::Column(*db, "SELECT name FROM zutaten WHERE ucase(name) = \"WEISSE SCHOKOLADE\""),
        QStringList{"Weiße Schokolade"});

    // The counter goes on after the highest number ever given, not the highest kept.
    const int highest = Raw(path, "SELECT max(nr) FROM deko").toInt();
    dao::Recordset deko = db->OpenRecordset("SELECT * FROM deko");
    deko.AddNew();
    EXPECT_EQ(deko.Fields(0).ToInt(), highest + 2);
    deko.CancelUpdate();

    // Opening again changes nothing.
    db.reset();
    const QByteArray upgraded = Contents(path);
    TempDatabase::OpenFile(path);
    EXPECT_EQ(Contents(path), upgraded);
}

TEST(Schema, ANewerFileAndAFailedUpgradeLeaveTheFileAsItWas) {
    TempDatabase t;
    t.Db().Close();
    EXPECT_EQ(Raw(t.Path(), "PRAGMA user_version = 2"), QString());
    const QByteArray newer = Contents(t.Path());
    const dao::Error tooNew = TempDatabase::OpenFailure(t.Path());
    EXPECT_EQ(tooNew.Number(), 3343);
    EXPECT_TRUE(tooNew.Description().contains("neueren Version")) << tooNew.what();
    EXPECT_EQ(Contents(t.Path()), newer);

    // An upgrade that cannot be done (a table of the new form's temporary name is in the way)
    // is taken back as a whole.
    const QString path = TempDatabase::WriteVersion0(t.Folder() + QStringLiteral("/Alt.mdb"));
    EXPECT_EQ(Raw(path, "CREATE TABLE deko_v0 (x)"), QString());
    const auto readOnly = [&path] { return Everything(*TempDatabase::OpenFile(path, true)); };
    const QStringList old = readOnly();
    const QString schema = Raw(path, "SELECT group_concat(sql) FROM sqlite_master");
    const dao::Error failed = TempDatabase::OpenFailure(path);
    EXPECT_NE(failed.Number(), 0);
    EXPECT_TRUE(failed.Description().contains("unverändert")) << failed.what();
    EXPECT_EQ(readOnly(), old);
    EXPECT_EQ(Raw(path, "SELECT group_concat(sql) FROM sqlite_master"), schema);
    EXPECT_EQ(Raw(path, "PRAGMA user_version"), QStringLiteral("0"));
}
