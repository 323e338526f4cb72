#include "TempDatabase.h"
#include "dao/Password.h"
#include "dao/Schema.h"

#include <QFile>

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
