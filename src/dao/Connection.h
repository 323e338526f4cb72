#pragma once
// The engine connection behind a Database: the SQLCipher handle, the prepared
// statement cache, the table descriptions and the mapping of engine failures
// to the classic error numbers. Internal to the store.

#include "dao/Error.h"
#include "dao/Value.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

struct ColumnInfo {
    QString name;
    bool yesNo = false;   // declared BOOLEAN: stores 0/1, reads as bool
    bool counter = false; // the table's counter (INTEGER PRIMARY KEY)
};

struct TableInfo {
    QString name;
    std::vector<ColumnInfo> columns;
    int counterColumn = -1;
    int IndexOf(const QString& column) const; // -1 when missing
};

// How the value of a result column is read.
enum class ColumnRead { Plain, YesNo };

class Connection {
public:
    // Opens an existing file (create = false) or writes a new one. The key is
    // set before anything is read; failures throw Error with their number.
    Connection(const QString& path, const QString& password, bool readOnly, bool exclusive,
               bool create);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A prepared statement for engine SQL, from the cache when possible, with
    // the values bound. Give it back with Release when done.
    sqlite3_stmt* Acquire(const QByteArray& sql, const std::vector<Value>& params);
    void Release(sqlite3_stmt* stmt);
    // Releases the statement; when rc is not success (ok, row or done), throws
    // the failure it stands for, read before the statement is reset.
    void Finish(sqlite3_stmt* stmt, int rc, const QByteArray& sql);

    void Exec(const QByteArray& sql);

    const TableInfo& Table(const QString& name);

    [[noreturn]] void Fail(int rc, const QByteArray& sql = {}) const;

    sqlite3* Handle() const { return m_db; }
    int Prepared() const { return m_prepared; }
    int Reused() const { return m_reused; }

private:
    void Finalize();
    sqlite3* m_db = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> m_cache;
    std::unordered_map<std::string, std::unique_ptr<TableInfo>> m_tables;
    int m_prepared = 0;
    int m_reused = 0;
};

// Reads column i of the current row of stmt as a Value.
Value ReadColumn(sqlite3_stmt* stmt, int i, ColumnRead how);
void BindValue(sqlite3_stmt* stmt, int index, const Value& value);

} // namespace dao
