#include "TempDatabase.h"
#include "dao/Password.h"
#include "dao/Schema.h"

#include "Records.h"

#include <QFile>
#include <gtest/gtest.h>

QString TempDatabase::Connect() {
    return dao::PasswordConnect();
}

TempDatabase::TempDatabase() {
    if (!m_dir.isValid() || !QFile::copy(QStringLiteral(VELKOR_STARTER_DB), Path()))
        throw std::runtime_error("cannot copy the starter database");
    QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
    m_db = Open();
}

std::shared_ptr<dao::Database> TempDatabase::OpenFile(const QString& path, bool readOnly) {
    return dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), {})
        ->OpenDatabase(path, false, readOnly, Connect());
}

dao::Error TempDatabase::OpenFailure(const QString& path, const QString& connect) {
    const dao::Error e = records::FailureOf(
        [&] { dao::CreateWorkspace({}, {}, {})->OpenDatabase(path, false, false, connect); });
    EXPECT_EQ(e.Number() == 0, e.Description().isEmpty()) << e.what();
    return e;
}

void TempDatabase::MakeEmpty() {
    for (const auto& [table, named] : dao::kTables)
        m_db->Execute(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
}

QList<int> TempDatabase::Records() {
    QList<int> n;
    for (const auto& [table, named] : dao::kTables)
        n << Count(QStringLiteral("SELECT * FROM ") + QString::fromUtf8(table));
    return n;
}

int TempDatabase::Count(const QString& statement) {
    return m_db->OpenRecordset(statement).RecordCount();
}

QString TempDatabase::WriteVersion0(const QString& path, int extraCocktails) {
    QByteArray script = "BEGIN;\n";
    for (const char* source : {"tests/dao/data/schema_v0.sql", "src/schema/starter.sql"}) {
        QFile f(QStringLiteral(VELKOR_SOURCE_DIR "/") + QString::fromUtf8(source));
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error(source);
        script += f.readAll() + "\n";
    }
    auto db = dao::CreateWorkspace({}, {}, {})->CreateDatabase(path, Connect());
    db->ExecuteScript(script + "COMMIT;\n");
    dao::Transaction tx(*db);
    for (const char* name : {"Äpfelsaft", "Weiße Schokolade", "Zuckerwürfel", "apfelmus"})
        records::Insert(*db, QStringLiteral("zutaten"), {{"name", QString::fromUtf8(name)}});
    records::Insert(*db, QStringLiteral("deko"), {{"name", QStringLiteral("äpfelsaft")}});
    const int gone = records::Insert(*db, QStringLiteral("deko"), {{"name", QStringLiteral("x")}});
    db->Execute(QStringLiteral("DELETE FROM deko WHERE nr = %1").arg(gone));
    for (int i = 1; i <= extraCocktails; ++i) {
        const int nr = records::Insert(*db, QStringLiteral("cocktails"),
                                       {{"name", QStringLiteral("Mischung Nr. %1 Ä").arg(i)},
                                        {"zubereitung", QStringLiteral("Alles kalt schütteln.")}});
        records::Insert(
            *db, QStringLiteral("zutatenliste"),
            {{"cocktail", nr}, {"zutat", 1 + i % 50}, {"menge", QStringLiteral("2 cl")}});
    }
    tx.Commit();
    return path;
}
