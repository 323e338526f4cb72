#pragma once
// A fresh copy of the starter Cocktails.mdb in a temporary folder, opened with
// the program's password. Every test works on its own copy.

#include "dao/Dao.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class TempDatabase {
public:
    TempDatabase();

    QString Folder() const { return m_dir.path(); }
    QString Path() const { return m_dir.filePath(QStringLiteral("Cocktails.mdb")); }

    // Opens (another) connection on the copy.
    std::shared_ptr<dao::Database> Open() const { return OpenFile(Path()); }
    // Opens any file with the program's password.
    static std::shared_ptr<dao::Database> OpenFile(const QString& path, bool readOnly = false);
    dao::Database& Db() { return *m_db; }
    std::shared_ptr<dao::Database> Shared() const { return m_db; }

    // Removes every record of every table: the catalogue is empty.
    void MakeEmpty();
    // Number of records in each table.
    QList<int> Records();

    // Number of records a statement finds.
    int Count(const QString& statement);

    static QString Connect();

private:
    QTemporaryDir m_dir;
    std::shared_ptr<dao::Database> m_db;
};

// Fixture of the store's tests: a fresh copy each, db its connection.
class StoreTest : public ::testing::Test {
protected:
    TempDatabase t;
    dao::Database& db = t.Db();
};
