#include "TempDatabase.h"

#include <QFile>
#include <gtest/gtest.h>

QString TempDatabase::Connect() {
    return QStringLiteral(";pwd=TornVX1993");
}

TempDatabase::TempDatabase() {
    if (!m_dir.isValid() || !QFile::copy(QStringLiteral(VELKOR_STARTER_DB), Path()))
        throw std::runtime_error("cannot copy the starter database");
    QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
    m_db = Open();
}

std::shared_ptr<dao::Database> TempDatabase::Open() const {
    auto ws = dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), {});
    return ws->OpenDatabase(Path(), false, false, Connect());
}

void TempDatabase::MakeEmpty() {
    for (const char* table :
         {"cocktails", "cocktailgruppen", "gruppenzugehörigkeit", "zutaten", "zutatenliste", "deko",
          "dekoliste", "zutatensetup", "zutatensetupvorrat"})
        m_db->Execute(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
}

int TempDatabase::Count(const QString& statement) {
    dao::Recordset rs = m_db->OpenRecordset(statement);
    return rs.RecordCount();
}
