#pragma once
// The engine connection behind a Database: the SQLCipher handle, the prepared
// statement cache, the table descriptions and the mapping of engine failures
// to the classic error numbers. Internal to the store.

#include "dao/Error.h"
#include "dao/Value.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_context;
typedef struct Mem sqlite3_value; // as the engine declares it
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

class Connection;

// A prepared statement lent out by the connection's cache, with its values
// bound. It goes back to the cache (reset) when the lease ends, whatever
// happens in between.
class Statement {
public:
    Statement(Connection& connection, sqlite3_stmt* stmt, const QByteArray& sql)
        : m_connection(&connection), m_stmt(stmt), m_sql(sql) {}
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Get() const { return m_stmt; }
    // One step: true while it yields a row, false when done; a failure throws
    // the Error it stands for.
    bool Step();

private:
    Connection* m_connection;
    sqlite3_stmt* m_stmt;
    QByteArray m_sql;
};

class Connection {
public:
    // Opens an existing file (create = false) or writes a new one. The key is
    // set before anything is read; failures throw Error with their number.
    Connection(const QString& path, const QString& password, bool readOnly, bool exclusive,
               bool create);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Engine SQL prepared (or taken from the cache) with the values bound.
    std::unique_ptr<Statement> Prepare(const QByteArray& sql, const std::vector<Value>& params);

    void Exec(const QByteArray& sql);
    // Asked now and then while a statement runs; true makes the statement fail. Empty: never.
    void SetCancel(std::function<bool()> cancelled);

    const TableInfo& Table(const QString& name);

    [[noreturn]] void Fail(int rc, const QByteArray& sql = {});

    // Records of these tables (their names in lower case) that this connection has inserted,
    // changed or deleted since it was opened, as far as it can tell them apart; may count more.
    // A transaction taken back counts as a change of every table.
    qint64 Changes(const std::vector<std::string>& tables) const;
    // Rows the engine changed without telling each one (emptying a whole table).
    qint64 Untold() const;
    void RolledBack();

    // Watching a column: from now on every value it has before and after a change this
    // connection makes to a record of the table is noted, by triggers of this connection alone
    // (the file is not changed). Watching again goes on, unless the triggers went missing.
    void Watch(const std::string& table, const std::string& column);
    // How many values were noted so far.
    qint64 WatchPosition(const std::string& table, const std::string& column) const;
    // The values noted since position `since`, the whole numbers among them; none when they
    // cannot be told: not watched since then, a value not a whole number, a transaction taken
    // back (it may have taken the triggers with it), or too many to keep.
    std::optional<std::vector<qint64>> Watched(const std::string& table, const std::string& column,
                                               qint64 since) const;

    // The transactions the database has begun and not ended. When a failure makes the engine
    // take back the open transaction (a full disk, a file that takes no writes, a lock), the
    // transaction is lost: every further statement is refused until it is rolled back, so that
    // nothing meant for it is written on its own.
    void SetTransactionDepth(int depth) { m_depth = depth; }
    bool TransactionLost() const { return m_lost; }
    void ForgetLostTransaction() { m_lost = false; }

    int Prepared() const { return m_prepared; }
    int Reused() const { return m_reused; }

private:
    friend class Statement;
    void RefuseWhenLost() const;
    void Release(sqlite3_stmt* stmt);
    // Throws 3051 when the file or its folder takes no writes, or another program holds a lock
    // on it for longer than a write waits.
    void CheckWritable(const QString& path);
    static void RowChanged(void* self, int operation, const char* database, const char* table,
                           long long rowid);
    static void Noted(sqlite3_context* ctx, int argc, sqlite3_value** argv);
    // The engine's question whether to try a lock again (see LongRead).
    static int Busy(void* self, int count);
    int m_busySeen = 0;
    std::function<bool()>
        m_cancel; // the try at which this program's own long reading was seen last
    void WatchesLost();

    struct WatchLog {
        qint64 count = 0;     // values noted since the connection was opened
        qint64 first = 0;     // the number of the first value kept
        qint64 unusable = -1; // what happened before here cannot be told
        std::vector<qint64> values;
        // Something happened that no value tells: a reader from before must read everything.
        void Lost() {
            values.push_back(0);
            unusable = ++count;
        }
    };

    struct Close {
        void operator()(sqlite3* db) const;
    };
    struct Finalize {
        void operator()(sqlite3_stmt* stmt) const;
    };
    using StatementHandle = std::unique_ptr<sqlite3_stmt, Finalize>;

    // Declared first, so the cached statements are finalized before it closes.
    std::unique_ptr<sqlite3, Close> m_db;
    std::unordered_map<std::string, StatementHandle> m_cache;
    std::unordered_map<std::string, std::unique_ptr<TableInfo>> m_tables;
    int m_prepared = 0;
    int m_reused = 0;
    int m_depth = 0;
    bool m_lost = false;
    qint64 m_rowsSeen = 0;
    qint64 m_rollbacks = 0;
    std::unordered_map<std::string, qint64> m_rowsByTable;
    std::vector<WatchLog> m_watches;
    std::unordered_map<std::string, std::size_t> m_watchByName; // "table.column"
};

// Whether a declared column type is the yes/no type.
bool IsYesNoType(const char* declared);

// Reads column i of the current row of stmt as a Value.
Value ReadColumn(sqlite3_stmt* stmt, int i, ColumnRead how);

} // namespace dao
