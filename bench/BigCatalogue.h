#pragma once
// A large catalogue for measurements: the starter catalogue plus 20,000
// cocktails with five ingredient lines each, in a temporary copy.

#include "dao/Dao.h"
#include "dao/Password.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

constexpr int kCocktails = 20000;
constexpr int kLines = 5;

struct Catalogue {
    QTemporaryDir dir;
    std::shared_ptr<dao::Database> db;
    int ingredients = 0;

    Catalogue() {
        const QString path = dir.filePath(QStringLiteral("Cocktails.mdb"));
        QFile::copy(QStringLiteral(VELKOR_STARTER_DB), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        db = dao::CreateWorkspace({}, {}, {})
                 ->OpenDatabase(path, false, false, dao::PasswordConnect());
        ingredients = db->OpenRecordset(QStringLiteral("SELECT nr FROM zutaten")).RecordCount();
        dao::Transaction tx(*db);
        for (int c = 1; c <= kCocktails; ++c) {
            dao::Recordset rs =
                db->OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE nr = 0"));
            rs.AddNew();
            const int nr = rs.Fields(0).ToInt();
            rs.Fields(1) = QStringLiteral("Mischung Nr. %1 Ä").arg(c);
            rs.Update();
            for (int l = 0; l < kLines; ++l)
                db->Execute(
                    QStringLiteral("INSERT INTO zutatenliste (cocktail, zutat, menge, pflicht) "
                                   "VALUES (%1, %2, \"2 cl\", 1)")
                        .arg(nr)
                        .arg(1 + (c * 7 + l * 13) % ingredients));
        }
        tx.Commit();
    }
};
