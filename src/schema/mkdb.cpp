// Writes a new Cocktails.mdb with its password: the tables, then the starter
// catalogue. Used by the build; the program itself never creates tables.
//
//   velkor_mkdb <target.mdb> <schema.sql> <starter.sql>

#include "dao/Dao.h"
#include "dao/Password.h"

#include <QFile>
#include <QString>
#include <cstdio>

namespace {

QByteArray ReadFile(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        throw dao::Error(
            dao::errFileNotFound,
            QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(file.fileName()));
    return file.readAll();
}

int Count(dao::Database& db, const QString& statement) {
    dao::Recordset rs = db.OpenRecordset(statement);
    const int n = rs.Fields(0).ToInt();
    rs.Close();
    return n;
}

// Every reference of the catalogue points at an existing record.
void CheckReferences(dao::Database& db) {
    const char* checks[] = {
        "SELECT count(*) FROM zutatenliste WHERE zutat NOT IN (SELECT nr FROM zutaten)",
        "SELECT count(*) FROM zutatenliste WHERE variation <> 0 AND variation NOT IN "
        "(SELECT nr FROM zutaten)",
        "SELECT count(*) FROM zutatenliste WHERE cocktail NOT IN (SELECT nr FROM cocktails)",
        "SELECT count(*) FROM dekoliste WHERE deko NOT IN (SELECT nr FROM deko)",
        "SELECT count(*) FROM dekoliste WHERE cocktail NOT IN (SELECT nr FROM cocktails)",
        "SELECT count(*) FROM gruppenzugehörigkeit WHERE gruppe NOT IN "
        "(SELECT nr FROM cocktailgruppen) OR cocktail NOT IN (SELECT nr FROM cocktails)",
        "SELECT count(*) FROM zutatensetupvorrat WHERE setup NOT IN (SELECT nr FROM zutatensetup) "
        "OR zutat NOT IN (SELECT nr FROM zutaten)",
    };
    for (const char* check : checks)
        if (Count(db, QString::fromUtf8(check)) != 0)
            throw dao::Error(dao::errReserved,
                             QStringLiteral("Verweis ins Leere: %1").arg(QString::fromUtf8(check)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: %s <Ziel.mdb> <schema.sql> <starter.sql>\n", argv[0]);
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QString partial = target + QStringLiteral(".neu");
    try {
        const QByteArray script =
            "BEGIN;\n" + ReadFile(argv[2]) + "\n" + ReadFile(argv[3]) + "\nCOMMIT;\n";
        QFile::remove(partial);
        auto workspace =
            dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), {});
        {
            auto db = workspace->CreateDatabase(partial, dao::PasswordConnect());
            db->ExecuteScript(script);
            CheckReferences(*db);
            std::printf("Cocktails.mdb: %d Cocktails, %d Zutaten, %d Dekorationen, %d Setups\n",
                        Count(*db, QStringLiteral("SELECT count(*) FROM cocktails")),
                        Count(*db, QStringLiteral("SELECT count(*) FROM zutaten")),
                        Count(*db, QStringLiteral("SELECT count(*) FROM deko")),
                        Count(*db, QStringLiteral("SELECT count(*) FROM zutatensetup")));
            db->Close();
        }
        QFile::remove(target);
        if (!QFile::rename(partial, target))
            throw dao::Error(dao::errCannotOpenFile,
                             QStringLiteral("'%1' kann nicht geschrieben werden.").arg(target));
    } catch (const dao::Error& e) {
        QFile::remove(partial);
        std::fprintf(stderr, "Fehler %d: %s\n", e.Number(), e.Description().toUtf8().constData());
        return 1;
    }
    return 0;
}
